#pragma once

#include <array>

#include "macro/macro_check.h"
#include "macro/macro_geometry.h"

namespace plessard::cli {

// What a drawing makes of a line or arc record.
enum class DrawnShape {
    line,
    // An arc of radius zero, or one whose start and end lie in the same direction from its
    // centre: it turns through nothing, so only its end point counts.
    empty_arc,
    full_circle,  // an arc that ends where it starts (macro::is_full_circle)
    arc,
};

struct DrawnSegment {
    DrawnShape shape = DrawnShape::line;
    double radius = 0.0;  // of an arc, macro::arc_radius
    double sweep = 0.0;   // of an arc, macro::arc_sweep: 2 pi for a full circle
};

// The one place where both drawings decide what a segment is.
[[nodiscard]] DrawnSegment drawn_segment(const macro::MacroSegment& segment) noexcept;

// The corners of the enclosing rectangle, one after another around it from its lower left
// through its lower right: the outline both drawings draw, inside out as written.
[[nodiscard]] std::array<macro::MacroPoint, 4> rectangle_corners(
    const macro::MacroRectangle& rectangle) noexcept;

}  // namespace plessard::cli
