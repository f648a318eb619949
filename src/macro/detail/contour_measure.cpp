#include "macro/detail/contour_measure.h"

namespace plessard::macro::detail {

ContourMeasure::ContourMeasure(const MacroPoint& start) noexcept
    : start_(start), end_(start), bounds_(MacroBounds::around(start)) {}

void ContourMeasure::add(const MacroSegment& segment) noexcept {
    end_ = segment.end;
    ++segments_;
    bounds_.include(segment_bounds(segment));
    length_ += segment_length(segment);
    twice_area_ += twice_swept_area(segment, start_);
}

}  // namespace plessard::macro::detail
