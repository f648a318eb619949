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
        // Start and end at one angle but at different distances turn through nothing; so does
        // an arc of radius zero.
        ArcCase{"no_turn", arc(SegmentKind::arc_ccw, {1, 0}, {0, 0}, {2, 0}), 0, 0, 0},
        ArcCase{"zero_radius", arc(SegmentKind::arc_cw, {2, 2}, {2, 2}, {2, 2}), 0, 0, 0},
        // An arc that ends at its very start is the whole circle, either way round.
        ArcCase{"full_circle_ccw", arc(SegmentKind::arc_ccw, {1, 0}, {0, 0}, {1, 0}), 2 * pi, 0, 0},
        ArcCase{"full_circle_cw", arc(SegmentKind::arc_cw, {0, -1}, {0, 0}, {0, -1}), 2 * pi, 270,
                270}),
    testing::CaseName{});

// What the checker measures of each segment: its box, its length and twice the area it sweeps
// about the origin (counter-clockwise positive).
struct MeasureCase {
    const char* name;
    MacroSegment segment;
    MacroBounds bounds;
    double length;
    double twice_area;
};

class SegmentMeasures : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(SegmentMeasures, TakeTheWholeSegment) {
    const MeasureCase& row = GetParam();
    const MacroBounds bounds = segment_bounds(row.segment);
    EXPECT_DOUBLE_EQ(bounds.left, row.bounds.left);
    EXPECT_DOUBLE_EQ(bounds.bottom, row.bounds.bottom);
    EXPECT_DOUBLE_EQ(bounds.right, row.bounds.right);
    EXPECT_DOUBLE_EQ(bounds.top, row.bounds.top);
    EXPECT_NEAR(segment_length(row.segment), row.length, 1e-12);
    EXPECT_NEAR(twice_swept_area(row.segment, {0, 0}), row.twice_area, 1e-12);
}

MacroSegment line(MacroPoint start, MacroPoint end) {
    MacroSegment segment;
    segment.start = start;
    segment.end = end;
    return segment;
}

INSTANTIATE_TEST_SUITE_P(
    Segments, SegmentMeasures,
    ::testing::Values(
        MeasureCase{"line", line({1, 0}, {1, 2}), {1, 0, 1, 2}, 2, 2},
        // Half a circle of radius 1 above the X axis, from (1, 0) to (-1, 0): its top is y = 1,
        // and with the diameter back it encloses pi / 2.
        MeasureCase{"half_circle_above",
                    arc(SegmentKind::arc_ccw, {1, 0}, {0, 0}, {-1, 0}),
                    {-1, 0, 1, 1},
                    pi,
                    pi},
        // Clockwise the same end points run below the axis, and the area turns negative.
        MeasureCase{"half_circle_below",
                    arc(SegmentKind::arc_cw, {1, 0}, {0, 0}, {-1, 0}),
                    {-1, -1, 1, 0},
                    pi,
                    -pi},
        // A quarter of the circle about (1, 1): the sector plus the triangle to the origin.
        MeasureCase{"quarter_off_the_origin",
                    arc(SegmentKind::arc_ccw, {2, 1}, {1, 1}, {1, 2}),
                    {1, 1, 2, 2},
                    pi / 2,
                    pi / 2 + 1 * (2 - 1) - 1 * (1 - 2)},
        MeasureCase{"full_circle",
                    arc(SegmentKind::arc_cw, {3, 0}, {2, 0}, {3, 0}),
                    {1, -1, 3, 1},
                    2 * pi,
                    -2 * pi},
        MeasureCase{
            "point_arc", arc(SegmentKind::arc_ccw, {2, 2}, {2, 2}, {2, 2}), {2, 2, 2, 2}, 0, 0}),
    testing::CaseName{});

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
