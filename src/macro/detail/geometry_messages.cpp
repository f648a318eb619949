#include "macro/detail/geometry_messages.h"

#include <cmath>

#include "text/decimal_text.h"
#include "text/shortest_text.h"

namespace plessard::macro::detail {
namespace {

std::string point_text(const MacroPoint& point) {
    return "(" + message_number(point.x) + ", " + message_number(point.y) + ")";
}

}  // namespace

std::string message_number(double value) {
    if (!(std::fabs(value) < 1e15)) {
        return text::shortest_text(value);
    }
    if (std::fabs(value) < 1e11) {
        value = text::rounded_to_decimals(value, 4);
    }
    return text::decimal_text(value);
}

// Start and end of an arc each lie within the coordinate tolerance t of where the writer meant
// them, and so does the centre: each distance from the centre may be off by up to 2 t in both
// coordinates, 2 sqrt(2) t in length, and the two distances can disagree by twice that,
// although the arc the writer meant has one radius.
bool changes_radius(const MacroSegment& arc) noexcept {
    const double tolerance =
        4.0 * std::sqrt(2.0) *
        coordinate_tolerance(largest_coordinate({arc.start, arc.centre, arc.end}));
    return std::fabs(distance(arc.centre, arc.start) - distance(arc.centre, arc.end)) > tolerance;
}

std::string radius_message(const MacroSegment& arc) {
    return "the arc changes its radius: " + message_number(distance(arc.centre, arc.start)) +
           " from the centre " + point_text(arc.centre) + " to its start " + point_text(arc.start) +
           ", " + message_number(distance(arc.centre, arc.end)) + " to its end " +
           point_text(arc.end);
}

std::string full_circle_message(const MacroSegment& arc) {
    return "the arc ends where it starts: it is drawn as the full circle of radius " +
           message_number(arc_radius(arc)) + " about " + point_text(arc.centre);
}

// A closed contour ends on the very text it starts with, since any writer computes both from
// the same expressions; only a writer whose arithmetic takes another route may land a single's
// spacing away, which the tolerance allows.
bool fails_to_close(const ContourMeasure& contour) noexcept {
    if (contour.segments() == 0) {
        return false;
    }
    const MacroPoint& start = contour.start();
    const MacroPoint& end = contour.end();
    const double tolerance = coordinate_tolerance(largest_coordinate({start, end}));
    return std::fabs(end.x - start.x) > tolerance || std::fabs(end.y - start.y) > tolerance;
}

std::string closing_message(const ContourMeasure& contour, std::string_view part_name) {
    return "the contour of " + std::string(part_name) + " does not close: it ends at " +
           point_text(contour.end()) + ", not at its start " + point_text(contour.start());
}

// An outline that encloses no area runs back over itself along the very texts it came by (any
// writer computes both ways from the same expressions), so all that is left of its area is the
// noise of the arithmetic that sums it, a few units in the last place of the squares it adds
// up; a part one thousandth wide and a million long still encloses a thousand times more. Zero
// dimensions make such parts, and so can others that fold a part flat; they are written as
// computed, hence warnings.
Shape contour_shape(const ContourMeasure& contour) noexcept {
    if (is_single_point(contour.bounds())) {
        return Shape::single_point;
    }
    constexpr double arithmetic_noise = 0x1p-40;
    if (std::fabs(contour.area()) <= contour.length() * contour.length() * arithmetic_noise) {
        return Shape::no_area;
    }
    return Shape::part;
}

std::string shape_message(Shape shape, const ContourMeasure& contour, std::string_view part_name) {
    const std::string contour_of = "the contour of " + std::string(part_name);
    switch (shape) {
        case Shape::single_point:
            return contour_of + " is a single point at " + point_text(contour.start());
        case Shape::no_area:
            return contour_of + " encloses no area";
        case Shape::part:
            break;
    }
    return contour_of + " is a part";
}

// Odd dimensions (negative ones, radii larger than the sides) can put a part outside the
// rectangle, or turn the rectangle inside out; the file is still what the host asked for.
bool is_inside_out(const MacroRectangle& rectangle) noexcept {
    return rectangle.upper_right.x < rectangle.lower_left.x ||
           rectangle.upper_right.y < rectangle.lower_left.y;
}

std::string inside_out_message(const MacroRectangle& rectangle) {
    return "the enclosing rectangle is inside out: from " + point_text(rectangle.lower_left) +
           " to " + point_text(rectangle.upper_right);
}

bool leaves_rectangle(const MacroRectangle& rectangle, const MacroBounds& part) noexcept {
    const double tolerance = coordinate_tolerance(largest_coordinate({rectangle.lower_left,
                                                                      rectangle.upper_right,
                                                                      {part.left, part.bottom},
                                                                      {part.right, part.top}}));
    return part.left < rectangle.lower_left.x - tolerance ||
           part.bottom < rectangle.lower_left.y - tolerance ||
           part.right > rectangle.upper_right.x + tolerance ||
           part.top > rectangle.upper_right.y + tolerance;
}

std::string outside_message(const MacroBounds& part, std::size_t part_number) {
    return "part " + std::to_string(part_number) + " leaves the enclosing rectangle: it spans " +
           point_text({part.left, part.bottom}) + " to " + point_text({part.right, part.top});
}

}  // namespace plessard::macro::detail
