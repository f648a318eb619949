#pragma once

#include <cstddef>
#include <string>

namespace plessard::macro {

// The text of every number in a macro file: "####0.0##" (1 -> "1.0", 12.3456 -> "12.346").
[[nodiscard]] std::string fmt(float value);

// The same text written into a buffer of at least fmt_capacity characters; returns its end.
inline constexpr std::size_t fmt_capacity = 48;
char* fmt(float value, char* out);

}  // namespace plessard::macro
