#include "macro/geometry_messages.h"

#include <array>
#include <charconv>
#include <cmath>

#include "macro/macro_number.h"

namespace plessard::macro::detail {
namespace {

// A number for a message, to a tenth of the last written decimal: numbers read from the file
// come back as written, computed ones (a radius, the edge of an arc) without binary noise.
// Beyond a thousand million million the digits say nothing more than the exponent form does,
// and a message stays short whatever the file holds.
std::string rounded_text(double value) {
    if (std::fabs(value) < 1e11) {
        return decimal_text(std::round(value * 1e4) / 1e4);
    }
    if (std::fabs(value) < 1e15) {
        return decimal_text(value);
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string point_text(const MacroPoint& point) {
    return "(" + rounded_text(point.x) + ", " + rounded_text(point.y) + ")";
}

}  // namespace

// Start and end of an arc each lie within the coordinate tolerance t of where the writer meant
// them, and so does the centre: each distance from the centre may be off by up to 2 t in both
// coordinates, 2 sqrt(2) t in length, and the two distances can disagree by twice that,
// although the arc the writer meant has one radius.
std::optional<std::string> arc_radius_problem(const MacroSegment& arc) {
    const double tolerance =
        4.0 * std::sqrt(2.0) *
        coordinate_tolerance(largest_coordinate({arc.start, arc.centre, arc.end}));
    const double from_start = distance(arc.centre, arc.start);
    const double to_end = distance(arc.centre, arc.end);
    if (std::fabs(from_start - to_end) <= tolerance) {
        return std::nullopt;
    }
    return "the arc changes its radius: " + rounded_text(from_start) + " from the centre " +
           point_text(arc.centre) + " to its start " + point_text(arc.start) + ", " +
           rounded_text(to_end) + " to its end " + point_text(arc.end);
}

std::optional<std::string> full_circle_problem(const MacroSegment& arc) {
    if (!is_full_circle(arc)) {
        return std::nullopt;
    }
    return "the arc ends where it starts: it is drawn as the full circle of radius " +
           rounded_text(arc_radius(arc)) + " about " + point_text(arc.centre);
}

// A closed contour ends on the very text it starts with, since any writer computes both from
// the same expressions; only a writer whose arithmetic takes another route may land a single's
// spacing away, which the tolerance allows. A contour of no segment is left to shape_problem.
std::optional<std::string> closing_problem(const ContourMeasure& contour,
                                           std::string_view part_name) {
    if (contour.segments() == 0) {
        return std::nullopt;
    }
    const MacroPoint& start = contour.start();
    const MacroPoint& end = contour.end();
    const double tolerance = coordinate_tolerance(largest_coordinate({start, end}));
    if (std::fabs(end.x - start.x) <= tolerance && std::fabs(end.y - start.y) <= tolerance) {
        return std::nullopt;
    }
    return "the contour of " + std::string(part_name) + " does not close: it ends at " +
           point_text(end) + ", not at its start " + point_text(start);
}

// A single point is a box no wider than the coordinate tolerance: what the roundings of a
// writer may leave of points it meant to be one. An outline that encloses no area runs back
// over itself along the very texts it came by (any writer computes both ways from the same
// expressions), so all that is left of its area is the noise of the arithmetic that sums it,
// a few units in the last place of the squares it adds up; a part one thousandth wide and a
// million long still encloses a thousand times more. Zero dimensions make such parts, and so
// can others that fold a part flat; they are written as computed, hence warnings.
std::optional<std::string> shape_problem(const ContourMeasure& contour,
                                         std::string_view part_name) {
    const MacroBounds& box = contour.bounds();
    const double tolerance =
        coordinate_tolerance(largest_coordinate({{box.left, box.bottom}, {box.right, box.top}}));
    if (box.right - box.left <= tolerance && box.top - box.bottom <= tolerance) {
        return "the contour of " + std::string(part_name) + " is a single point at " +
               point_text(contour.start());
    }
    constexpr double arithmetic_noise = 0x1p-40;
    if (std::fabs(contour.area()) <= contour.length() * contour.length() * arithmetic_noise) {
        return "the contour of " + std::string(part_name) + " encloses no area";
    }
    return std::nullopt;
}

// Odd dimensions (negative ones, radii larger than the sides) can put a part outside the
// rectangle, or turn the rectangle inside out; the file is still what the host asked for.
std::optional<std::string> inside_out_problem(const MacroRectangle& rectangle) {
    if (!(rectangle.upper_right.x < rectangle.lower_left.x ||
          rectangle.upper_right.y < rectangle.lower_left.y)) {
        return std::nullopt;
    }
    return "the enclosing rectangle is inside out: from " + point_text(rectangle.lower_left) +
           " to " + point_text(rectangle.upper_right);
}

std::optional<std::string> outside_problem(const MacroRectangle& rectangle,
                                           const MacroBounds& bounds, std::size_t part_number) {
    const double tolerance = coordinate_tolerance(largest_coordinate({rectangle.lower_left,
                                                                      rectangle.upper_right,
                                                                      {bounds.left, bounds.bottom},
                                                                      {bounds.right, bounds.top}}));
    if (!(bounds.left < rectangle.lower_left.x - tolerance ||
          bounds.bottom < rectangle.lower_left.y - tolerance ||
          bounds.right > rectangle.upper_right.x + tolerance ||
          bounds.top > rectangle.upper_right.y + tolerance)) {
        return std::nullopt;
    }
    return "part " + std::to_string(part_number) + " leaves the enclosing rectangle: it spans " +
           point_text({bounds.left, bounds.bottom}) + " to " +
           point_text({bounds.right, bounds.top});
}

}  // namespace plessard::macro::detail
