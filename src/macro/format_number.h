#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace plessard::macro {

// The pattern "####0.0##": three decimals at most, one at least, every integer digit, a point,
// no grouping, no exponent. Starts from the shortest decimal form of the single and rounds
// halves away from zero; a value that rounds to zero is "0.0" with no sign. A non-finite value
// raises the floating-point error.
[[nodiscard]] std::string format_number(float value);

// format_number into a buffer of format_number_capacity characters; returns the end of the
// text. Record lines are built with it, without a string for every number.
inline constexpr std::size_t format_number_capacity = 48;
char* write_number(float value, char* out);

namespace detail {

// The two ways format_number takes, open to tests that hold them against each other: the
// general one from the shortest decimal digits, and a fast one from the exact value that
// gives up (nullopt) where the two could differ.
[[nodiscard]] std::string format_number_from_shortest(float value);
[[nodiscard]] std::optional<std::string> format_number_exactly(float value);

}  // namespace detail

}  // namespace plessard::macro
