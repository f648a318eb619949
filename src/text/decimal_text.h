#pragma once

#include <cstddef>
#include <string>

namespace plessard::text {

// A double as plain decimal text with a point and at least one decimal ("8.8", "1.0", "-0.5"),
// from its shortest digits and never with an exponent; a zero of either sign is "0.0", an
// infinity "inf" or "-inf". Numbers that go back to an operator or into a drawing, never into a
// macro file. Callers that want fewer digits round the value first.
[[nodiscard]] std::string decimal_text(double value);

// The same text written into a buffer of at least decimal_capacity characters; returns its end.
// The longest is the smallest subnormal double spelt out in full.
inline constexpr std::size_t decimal_capacity = 352;
char* decimal_text(double value, char* out);

// The value rounded to a number of decimals from 0 to 15, halves away from zero; a value too
// large to have them stays as it is.
[[nodiscard]] double rounded_to_decimals(double value, int decimals) noexcept;

// The value rounded to a number of significant digits from 1 to 17.
[[nodiscard]] double rounded_to_significant(double value, int digits) noexcept;

}  // namespace plessard::text
