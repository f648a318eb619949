#pragma once

#include "macro/macro_geometry.h"
#include "macro/macro_reader.h"

namespace plessard::cli {

// The smallest box holding the enclosing rectangle and every contour of a checked macro file:
// what a drawing of it has to show.
[[nodiscard]] macro::MacroBounds drawing_bounds(const macro::MacroCheck& check) noexcept;

}  // namespace plessard::cli
