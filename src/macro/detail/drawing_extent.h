#pragma once

#include <optional>

#include "macro/detail/record_order.h"
#include "macro/macro_check.h"
#include "macro/macro_geometry.h"

namespace plessard::macro::detail {

// What a drawing of the file has to show: every part, arcs with their bulges, and the
// enclosing rectangle.
class DrawingExtent final : public BodyListener {
  public:
    void contour_end(const ContourRead& contour) override;

    // The parts and the rectangle when the header holds all of it; with no part, the rectangle
    // as far as it was read. An inside-out rectangle still spans the same area.
    [[nodiscard]] MacroBounds with(const MacroRectangle& rectangle, bool complete) const noexcept;

  private:
    std::optional<MacroBounds> parts_;
};

}  // namespace plessard::macro::detail
