#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "macro/contour_measure.h"
#include "macro/macro_geometry.h"
#include "macro/macro_reader.h"

namespace plessard::macro::detail {

// The geometry every writer of macro files keeps to, each test giving the message of its
// problem or nothing. Coordinates are compared within what the roundings of the writer allow
// (coordinate_tolerance), so any writer of the format passes, and a changed third decimal does
// not.

// An arc whose start and end lie at different distances from its centre.
[[nodiscard]] std::optional<std::string> arc_radius_problem(const MacroSegment& arc);

// An arc that ends where it starts, away from its centre: it stands for the full circle, which
// is worth a look, since a writer may have meant an arc that turns through nothing.
[[nodiscard]] std::optional<std::string> full_circle_problem(const MacroSegment& arc);

// A contour whose last segment does not end where its record 0 starts; part_name as in
// "part 1 (line 8)".
[[nodiscard]] std::optional<std::string> closing_problem(const ContourMeasure& contour,
                                                         std::string_view part_name);

// A contour that is a single point, or whose outline encloses no area: nothing would be cut
// out of the sheet.
[[nodiscard]] std::optional<std::string> shape_problem(const ContourMeasure& contour,
                                                       std::string_view part_name);

// An enclosing rectangle whose upper right corner lies left of or below its lower left one.
[[nodiscard]] std::optional<std::string> inside_out_problem(const MacroRectangle& rectangle);

// A part, numbered from 1, whose box reaches outside the enclosing rectangle.
[[nodiscard]] std::optional<std::string> outside_problem(const MacroRectangle& rectangle,
                                                         const MacroBounds& part,
                                                         std::size_t part_number);

}  // namespace plessard::macro::detail
