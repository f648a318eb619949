#include "cli/drawing_geometry.h"

#include <gtest/gtest.h>

#include <numbers>

#include "support/case_name.h"

namespace plessard::cli {
namespace {

using macro::MacroPoint;
using macro::SegmentKind;

struct ShapeCase {
    const char* name;
    macro::MacroSegment segment;  // kind, start, end, centre
    DrawnShape shape;
    double sweep;
};

class DrawnShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(DrawnShapes, SortEachSegmentOnce) {
    const DrawnSegment drawn = drawn_segment(GetParam().segment);
    EXPECT_EQ(drawn.shape, GetParam().shape);
    EXPECT_DOUBLE_EQ(drawn.sweep, GetParam().sweep);
}

constexpr double pi = std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(
    Segments, DrawnShapes,
    ::testing::Values(
        ShapeCase{"line", {SegmentKind::line, {0, 0}, {1, 0}, {}}, DrawnShape::line, 0.0},
        ShapeCase{"quarter", {SegmentKind::arc_ccw, {1, 0}, {0, 1}, {}}, DrawnShape::arc, pi / 2},
        ShapeCase{"three_quarters_clockwise",
                  {SegmentKind::arc_cw, {0, -1}, {1, 0}, {}},
                  DrawnShape::arc,
                  3 * pi / 2},
        ShapeCase{"back_to_its_start",
                  {SegmentKind::arc_cw, {1, 0}, {1, 0}, {}},
                  DrawnShape::full_circle,
                  2 * pi},
        ShapeCase{"radius_zero", {SegmentKind::arc_ccw, {}, {}, {}}, DrawnShape::empty_arc, 0.0},
        // Out along one direction from the centre: an arc that changes its radius turns
        // through nothing.
        ShapeCase{"same_direction",
                  {SegmentKind::arc_ccw, {1, 0}, {2, 0}, {}},
                  DrawnShape::empty_arc,
                  0.0}),
    testing::CaseName{});

TEST(DrawingGeometry, GoesRoundTheRectangleFromItsLowerLeft) {
    const auto corners = rectangle_corners({{-1.0, -0.8}, {11.0, 8.8}, {}});
    EXPECT_EQ(corners,
              (std::array<MacroPoint, 4>{{{-1.0, -0.8}, {11.0, -0.8}, {11.0, 8.8}, {-1.0, 8.8}}}));
}

}  // namespace
}  // namespace plessard::cli
