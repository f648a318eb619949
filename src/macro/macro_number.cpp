#include "macro/macro_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

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

}  // namespace plessard::macro
