#include "macro/macro_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "macro/fmt.h"
#include "platform/ascii.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

namespace plessard::macro {
namespace {

// The largest single is 39 digits long before the point; a longer integer part cannot be a
// single, and refusing it early keeps the conversion from chewing through a huge field.
constexpr std::size_t longest_integer_part = 39;

std::string character_text(char c) {
    if (platform::is_printable_ascii(c)) {
        return std::string("\"") + c + "\"";
    }
    return "byte " + platform::byte_text(static_cast<unsigned char>(c));
}

}  // namespace

std::optional<std::string> macro_number_fault(std::string_view text) {
    if (text.empty()) {
        return "a number is missing";
    }
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (text[0] == '+') {
        return "no plus sign is written";
    }
    const bool negative = text[0] == '-';
    if (negative) {
        ++i;
    }
    const std::size_t integer_start = i;
    while (i < n && platform::is_ascii_digit(text[i])) {
        ++i;
    }
    const std::size_t integer_digits = i - integer_start;
    if (integer_digits == 0) {
        return i < n && text[i] == '.' ? "no digit before the point" : "not a number";
    }
    if (integer_digits > 1 && text[integer_start] == '0') {
        return "a leading zero is not written";
    }
    if (i == n) {
        return "no decimal point";
    }
    if (text[i] != '.') {
        return character_text(text[i]) + " does not belong in a number";
    }
    ++i;
    const std::size_t decimal_start = i;
    while (i < n && platform::is_ascii_digit(text[i])) {
        ++i;
    }
    const std::size_t decimals = i - decimal_start;
    if (decimals == 0) {
        return "no decimal after the point";
    }
    if (i < n) {
        return character_text(text[i]) + " does not belong in a number";
    }
    if (decimals > 3) {
        return "more than three decimals";
    }
    if (decimals > 1 && text[n - 1] == '0') {
        return "a trailing zero is written only as the first decimal";
    }
    if (negative && text.find_first_not_of("0.", integer_start) == std::string_view::npos) {
        return "zero is written without a sign";
    }
    if (integer_digits > longest_integer_part ||
        platform::single_value(text).status != platform::SingleStatus::ok) {
        return "beyond the single-precision range";
    }
    return std::nullopt;
}

bool writer_keeps(std::string_view text) {
    // Any decimal of six significant digits or fewer reads into a single and back unchanged,
    // and fmt writes it as it stands; only longer texts need the conversion.
    const auto digits =
        static_cast<std::size_t>(std::count_if(text.begin(), text.end(), platform::is_ascii_digit));
    return digits <= 6 || fmt(platform::single_value(text).value) == text;
}

std::string writer_change_message(std::string_view text) {
    const float held = platform::single_value(text).value;
    return "the number " + std::string(text) + " has more digits than single precision holds (" +
           decimal_text(held) + "): the writer would have written " + fmt(held);
}

std::string decimal_text(double value) {
    if (value == 0.0) {
        return "0.0";
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    // The shortest digits that read back as the value, laid out without an exponent. (Fixed
    // notation straight from to_chars would spell out every binary digit of a large value:
    // 3.4028235e38 as 340282349999999991754788743781432688640.)
    const auto [negative, digits, exponent] = platform::shortest_digits(value);
    const long point = static_cast<long>(exponent) + 1;  // digits before the point
    std::string text = negative ? "-" : "";
    if (point <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-point), '0');
        text += digits;
    } else if (static_cast<std::size_t>(point) >= digits.size()) {
        text += digits;
        text.append(static_cast<std::size_t>(point) - digits.size(), '0');
        text += ".0";
    } else {
        text += digits.substr(0, static_cast<std::size_t>(point));
        text += ".";
        text += digits.substr(static_cast<std::size_t>(point));
    }
    return text;
}

}  // namespace plessard::macro
