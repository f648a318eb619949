#include "macro/detail/drawing_extent.h"

namespace plessard::macro::detail {

void DrawingExtent::contour_end(const ContourRead& contour) {
    if (parts_) {
        parts_->include(contour.measure.bounds());
    } else {
        parts_ = contour.measure.bounds();
    }
}

// No coordinate is a NaN or a negative zero, so the box is the same whichever is taken first.
MacroBounds DrawingExtent::with(const MacroRectangle& rectangle, bool complete) const noexcept {
    if (parts_ && !complete) {
        return *parts_;
    }
    MacroBounds extent = parts_.value_or(MacroBounds::around(rectangle.lower_left));
    extent.include(rectangle.lower_left);
    extent.include(rectangle.upper_right);
    return extent;
}

}  // namespace plessard::macro::detail
