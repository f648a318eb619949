#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "macro/detail/contour_measure.h"
#include "macro/macro_check.h"
#include "macro/macro_geometry.h"

namespace plessard::macro::detail {

// The geometry every writer of macro files keeps to: each test apart from the message of its
// problem, which is made only for a problem that is shown. Coordinates are compared within what
// the roundings of the writer allow (coordinate_tolerance), so any writer of the format passes,
// and a changed third decimal does not.

// A number in a message: to a tenth of the last decimal a macro file writes, so that numbers
// read from a file come back as written and computed ones (a radius, the edge of an arc)
// without binary noise; beyond 1e11 the value as it is, and beyond 1e15 the exponent form,
// which says as much and stays short.
[[nodiscard]] std::string message_number(double value);

// An arc whose start and end lie at different distances from its centre.
[[nodiscard]] bool changes_radius(const MacroSegment& arc) noexcept;
[[nodiscard]] std::string radius_message(const MacroSegment& arc);

// An arc that ends where it starts (is_full_circle) stands for its full circle, which is worth
// a look, since a writer may have meant an arc that turns through nothing.
[[nodiscard]] std::string full_circle_message(const MacroSegment& arc);

// A contour whose last segment does not end where its record 0 starts. A contour of no segment
// is left to contour_shape. part_name as in "part 1 (line 8)".
[[nodiscard]] bool fails_to_close(const ContourMeasure& contour) noexcept;
[[nodiscard]] std::string closing_message(const ContourMeasure& contour,
                                          std::string_view part_name);

// What a closed contour cuts out of the sheet: a part, or nothing at all.
enum class Shape {
    part,
    single_point,  // every point in one place
    no_area,       // the outline runs back over itself
};
[[nodiscard]] Shape contour_shape(const ContourMeasure& contour) noexcept;
[[nodiscard]] std::string shape_message(Shape shape, const ContourMeasure& contour,
                                        std::string_view part_name);

// An enclosing rectangle whose upper right corner lies left of or below its lower left one.
[[nodiscard]] bool is_inside_out(const MacroRectangle& rectangle) noexcept;
[[nodiscard]] std::string inside_out_message(const MacroRectangle& rectangle);

// A part whose box reaches outside the enclosing rectangle; parts are numbered from 1.
[[nodiscard]] bool leaves_rectangle(const MacroRectangle& rectangle,
                                    const MacroBounds& part) noexcept;
[[nodiscard]] std::string outside_message(const MacroBounds& part, std::size_t part_number);

}  // namespace plessard::macro::detail
