#pragma once

#include <cstddef>
#include <string>

namespace plessard::macro {

// The text of every number in a macro file, under the pattern "####0.0##": three decimals at
// most, one at least, every integer digit, a point, no grouping, no exponent (1 -> "1.0",
// 12.3456 -> "12.346"). Starts from the shortest decimal form of the single and rounds halves
// away from zero; a value that rounds to zero is "0.0" with no sign. A non-finite value raises
// the floating-point error.
[[nodiscard]] std::string fmt(float value);

// The same text written into a buffer of at least fmt_capacity characters; returns its end.
// Record lines are built with it, without a string for every number.
inline constexpr std::size_t fmt_capacity = 48;
char* fmt(float value, char* out);

}  // namespace plessard::macro
