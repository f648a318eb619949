#include "macro/detail/geometry_rule.h"

#include "macro/detail/geometry_messages.h"

namespace plessard::macro::detail {

void GeometryRule::segment(const ContourRead& contour, const MacroSegment& segment) {
    if (segment.kind == SegmentKind::line || contour.damaged) {
        return;
    }
    if (changes_radius(segment)) {
        problems_.add(segment.line, ProblemKind::geometry,
                      [&segment] { return radius_message(segment); });
    }
    if (is_full_circle(segment)) {
        problems_.add(segment.line, ProblemKind::warning,
                      [&segment] { return full_circle_message(segment); });
    }
}

// The contour's own geometry at its record 99; a contour cut off before it is not judged.
void GeometryRule::contour_closed(const ContourRead& contour) {
    if (contour.damaged) {
        return;
    }
    const ContourMeasure& measure = contour.measure;
    if (fails_to_close(measure)) {
        problems_.add(contour.last_segment_line, ProblemKind::geometry,
                      [&] { return closing_message(measure, contour.name()); });
    } else if (const Shape shape = contour_shape(measure); shape != Shape::part) {
        problems_.add(contour.first_line, ProblemKind::warning,
                      [&] { return shape_message(shape, measure, contour.name()); });
    }
}

}  // namespace plessard::macro::detail
