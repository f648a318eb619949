#include "cli/drawing_geometry.h"

namespace plessard::cli {

// A full circle has a radius (its start is not its centre) and turns all the way round, so
// the order of the tests below does not matter.
DrawnSegment drawn_segment(const macro::MacroSegment& segment) noexcept {
    if (segment.kind == macro::SegmentKind::line) {
        return {};
    }
    DrawnSegment drawn{DrawnShape::arc, macro::arc_radius(segment), macro::arc_sweep(segment)};
    if (macro::is_full_circle(segment)) {
        drawn.shape = DrawnShape::full_circle;
    } else if (drawn.radius == 0.0 || drawn.sweep == 0.0) {
        drawn.shape = DrawnShape::empty_arc;
    }
    return drawn;
}

std::array<macro::MacroPoint, 4> rectangle_corners(
    const macro::MacroRectangle& rectangle) noexcept {
    const macro::MacroPoint& low = rectangle.lower_left;
    const macro::MacroPoint& high = rectangle.upper_right;
    return {low, {high.x, low.y}, high, {low.x, high.y}};
}

}  // namespace plessard::cli
