#include "macro/macro_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/case_name.h"

namespace plessard::macro {
namespace {

constexpr double pi = std::numbers::pi;

MacroSegment arc(SegmentKind kind, MacroPoint start, MacroPoint centre, MacroPoint end) {
    MacroSegment segment;
    segment.kind = kind;
    segment.start = start;
    segment.centre = centre;
    segment.end = end;
    return segment;
}

struct ArcCase {
    const char* name;
    MacroSegment arc;
    double sweep;
    double start_degrees;
    double end_degrees;
};

class ArcTable : public ::testing::TestWithParam<ArcCase> {};

TEST_P(ArcTable, TurnsInItsOwnDirection) {
    const ArcCase& row = GetParam();
    EXPECT_NEAR(arc_sweep(row.arc), row.sweep, 1e-12);
    EXPECT_NEAR(direction_degrees(row.arc.centre, row.arc.start), row.start_degrees, 1e-9);
    EXPECT_NEAR(direction_degrees(row.arc.centre, row.arc.end), row.end_degrees, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, ArcTable,
    ::testing::Values(
        // The lower right corner of the worked example, and its inner (clockwise) corner.
        ArcCase{"ccw_quarter", arc(SegmentKind::arc_ccw, {9, 0}, {9, 1}, {10, 1}), pi / 2, 270, 0},
        ArcCase{"cw_quarter", arc(SegmentKind::arc_cw, {4.5, 3}, {4.5, 3.5}, {4, 3.5}), pi / 2, 270,
                180},
        // The same end points the other way round go the long way.
        ArcCase{"cw_three_quarters", arc(SegmentKind::arc_cw, {9, 0}, {9, 1}, {10, 1}), 3 * pi / 2,
                270, 0},
        ArcCase{"ccw_half", arc(SegmentKind::arc_ccw, {1, 0}, {0, 0}, {-1, 0}), pi, 0, 180},
        // Start and end at one angle turn through nothing; a zero radius too.
        ArcCase{"no_turn", arc(SegmentKind::arc_ccw, {1, 0}, {0, 0}, {1, 0}), 0, 0, 0},
        ArcCase{"zero_radius", arc(SegmentKind::arc_cw, {2, 2}, {2, 2}, {2, 2}), 0, 0, 0}),
    testing::CaseName{});

TEST(MacroGeometry, BoundsTakeTheBulgeOfAnArc) {
    // Half a circle of radius 1 above the X axis, from (1, 0) to (-1, 0): its top is y = 1.
    MacroContour contour;
    contour.start = {1, 0};
    contour.segments.push_back(arc(SegmentKind::arc_ccw, {1, 0}, {0, 0}, {-1, 0}));
    MacroSegment back;
    back.start = {-1, 0};
    back.end = {1, 0};
    contour.segments.push_back(back);
    const MacroBounds bounds = contour_bounds(contour);
    EXPECT_DOUBLE_EQ(bounds.left, -1.0);
    EXPECT_DOUBLE_EQ(bounds.right, 1.0);
    EXPECT_DOUBLE_EQ(bounds.bottom, 0.0);
    EXPECT_DOUBLE_EQ(bounds.top, 1.0);

    // Clockwise the same end points run below the axis.
    contour.segments.front().kind = SegmentKind::arc_cw;
    const MacroBounds below = contour_bounds(contour);
    EXPECT_DOUBLE_EQ(below.bottom, -1.0);
    EXPECT_DOUBLE_EQ(below.top, 0.0);
}

struct ToleranceCase {
    const char* name;
    double magnitude;
    double tolerance;
};

class ToleranceTable : public ::testing::TestWithParam<ToleranceCase> {};

TEST_P(ToleranceTable, IsHalfTheLastDecimalPlusTheSingleSpacing) {
    EXPECT_DOUBLE_EQ(coordinate_tolerance(GetParam().magnitude), GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Magnitudes, ToleranceTable,
    ::testing::Values(
        // 44 lies in [32, 64), where singles are 2^-18 apart; one binade up that is 2^-17.
        ToleranceCase{"default_array", 44.0, 0.0005 + std::ldexp(1.0, -17)},
        // A million: singles 0.0625 apart, counted one binade up.
        ToleranceCase{"a_million", 1e6, 0.0005 + 0.125},
        ToleranceCase{"zero", 0.0, 0.0005 + std::ldexp(1.0, -23)},
        ToleranceCase{"just_below_a_power_of_two", 1023.9996, 0.0005 + std::ldexp(1.0, -13)}),
    testing::CaseName{});

TEST(MacroGeometry, AThousandthIsBeyondTheToleranceBelowTwoThousand) {
    EXPECT_LT(coordinate_tolerance(2047.0), 0.001);
    EXPECT_GT(coordinate_tolerance(8192.0), 0.001);
}

}  // namespace
}  // namespace plessard::macro
