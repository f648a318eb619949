#include "cli/drawing_bounds.h"

namespace plessard::cli {

macro::MacroBounds drawing_bounds(const macro::MacroCheck& check) noexcept {
    // An inside-out rectangle still spans the same area.
    const macro::MacroPoint& corner = check.rectangle.lower_left;
    macro::MacroBounds bounds{corner.x, corner.y, corner.x, corner.y};
    bounds.include(check.rectangle.upper_right);
    if (!check.has_rectangle && !check.contours.empty()) {
        bounds = macro::contour_bounds(check.contours.front());
    }
    for (const macro::MacroContour& contour : check.contours) {
        bounds.include(macro::contour_bounds(contour));
    }
    return bounds;
}

}  // namespace plessard::cli
