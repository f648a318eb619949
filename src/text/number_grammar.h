#pragma once

#include <string_view>

namespace plessard::text {

// Spaces at both ends removed; a tab or any other byte is part of the text.
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

}  // namespace plessard::text
