#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plessard::platform {

// Spaces and tabs at both ends removed.
[[nodiscard]] std::string_view trim_text(std::string_view text) noexcept;

// The one number grammar of the program, for the input file and the text boxes alike:
// optional sign, digits with an optional point and decimals (".5" and "5." count), optional
// exponent. No hexadecimal, no grouping, no decimal comma, no "inf" or "nan".
[[nodiscard]] bool is_numeric_text(std::string_view text) noexcept;

// The value of a text that is_numeric_text accepts, read whatever the locale; a magnitude
// beyond the double range gives an infinity of its sign, one too small gives a zero.
// Precondition: is_numeric_text(text).
[[nodiscard]] double text_value(std::string_view text) noexcept;

enum class SingleStatus { ok, not_a_number, out_of_range };

struct SingleValue {
    SingleStatus status = SingleStatus::not_a_number;
    float value = 0.0F;
};

// The text read straight into the nearest single (one rounding, not through a double);
// a magnitude beyond the single range is out_of_range, one too small reads as zero.
[[nodiscard]] SingleValue single_value(std::string_view text) noexcept;

// Nearest 32-bit integer, halves to even; beyond the 32-bit range (or NaN) it raises the
// overflow error.
[[nodiscard]] std::int32_t round_to_long(double value);

// Nearest single of a double. An infinity comes back for a magnitude beyond the single range.
[[nodiscard]] float round_to_single(double value) noexcept;

// True when rounding the double to single would leave the single range (or it is not finite).
// FLT_MAX plus half an ulp already rounds (to even) up to infinity.
[[nodiscard]] inline bool overflows_single(double value) noexcept {
    return !(value < 0x1.ffffffp+127 && value > -0x1.ffffffp+127);
}

// The shortest decimal digits that read back as the same value: value is d1.d2d3... times ten
// to the exponent. Finite values only.
struct ShortestDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
[[nodiscard]] ShortestDigits shortest_digits(float value);
[[nodiscard]] ShortestDigits shortest_digits(double value);

[[nodiscard]] constexpr bool is_ascii_digit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// The shortest text that reads back as the same single, with a leading blank when the value
// is not negative (so -0 shows " 0").
[[nodiscard]] std::string number_text(float value);

// The pattern "####0.0##": three decimals at most, one at least, every integer digit, a point,
// no grouping, no exponent. Starts from the shortest decimal form of the single and rounds
// halves away from zero; a value that rounds to zero is "0.0" with no sign. A non-finite value
// raises the floating-point error.
[[nodiscard]] std::string format_number(float value);

// format_number into a buffer of number_text_capacity characters; returns the end of the text.
// Record lines are built with it, without a string for every number.
inline constexpr std::size_t number_text_capacity = 48;
char* write_number(float value, char* out);

// The two ways format_number takes, open to tests that hold them against each other: the
// general one from the shortest decimal digits, and a fast one from the exact value that
// gives up (nullopt) where the two could differ.
[[nodiscard]] std::string format_number_from_shortest(float value);
[[nodiscard]] std::optional<std::string> format_number_exactly(float value);

}  // namespace plessard::platform
