#pragma once

#include <string>

namespace plessard::macro {

// The text of every number in a macro file: "####0.0##" (1 -> "1.0", 12.3456 -> "12.346").
[[nodiscard]] std::string fmt(float value);

}  // namespace plessard::macro
