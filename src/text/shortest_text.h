#pragma once

#include <cstddef>
#include <string>

namespace plessard::text {

// The shortest text that reads back as the same double, as to_chars writes it ("0.1", "1e+38",
// "inf"): for a number whose every digit matters at any size, such as a scale factor.
[[nodiscard]] std::string shortest_text(double value);

// The same text written into a buffer of at least shortest_capacity characters; returns its end.
inline constexpr std::size_t shortest_capacity = 32;
char* shortest_text(double value, char* out) noexcept;

// The shortest text that reads back as the same single, with a leading blank when the value
// is not negative (so -0 shows " 0"): what a value label shows.
[[nodiscard]] std::string number_text(float value);

// The shortest decimal digits that read back as the same value: value is d1.d2d3... times ten
// to the exponent. Finite values only; for the formatters that lay the digits out themselves.
struct ShortestDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
[[nodiscard]] ShortestDigits shortest_digits(float value);
[[nodiscard]] ShortestDigits shortest_digits(double value);

}  // namespace plessard::text
