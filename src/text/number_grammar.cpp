#include "text/number_grammar.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>
#include <system_error>

#include "text/ascii.h"

namespace plessard::text {
namespace {

// What the grammar check learns on the way: whether the text is a number at all and the decimal
// exponent of its first significant digit, which tells overflow from underflow when a
// conversion reports the value out of range.
struct NumberShape {
    bool valid = false;
    bool negative = false;
    long long magnitude = 0;
};

// The digits with an optional point and decimals from text[i] on, and the decimal exponent of
// their first significant digit (0 when every digit is a zero). Moves i past them.
struct Mantissa {
    std::size_t digits = 0;
    bool significant = false;
    long long first_significant = 0;
};

Mantissa scan_mantissa(std::string_view text, std::size_t& i) noexcept {
    Mantissa mantissa;
    const std::size_t n = text.size();
    long long integer_digits = 0;
    while (i < n && is_ascii_digit(text[i])) {
        if (!mantissa.significant && text[i] != '0') {
            mantissa.significant = true;
            mantissa.first_significant = integer_digits;  // counted from the left; fixed below
        }
        ++integer_digits;
        ++mantissa.digits;
        ++i;
    }
    if (mantissa.significant) {
        mantissa.first_significant = integer_digits - 1 - mantissa.first_significant;
    }
    if (i < n && text[i] == '.') {
        ++i;
        long long position = -1;
        while (i < n && is_ascii_digit(text[i])) {
            if (!mantissa.significant && text[i] != '0') {
                mantissa.significant = true;
                mantissa.first_significant = position;
            }
            --position;
            ++mantissa.digits;
            ++i;
        }
    }
    return mantissa;
}

// An exponent from text[i] on: 'e' or 'E', an optional sign and digits, its size held in
// bounds however many digits it has. Nothing when there is an 'e' but no digits; 0 when there
// is no exponent at all. Moves i past it.
std::optional<long long> scan_exponent(std::string_view text, std::size_t& i) noexcept {
    const std::size_t n = text.size();
    if (i == n || (text[i] != 'e' && text[i] != 'E')) {
        return 0;
    }
    ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == n || !is_ascii_digit(text[i])) {
        return std::nullopt;
    }
    constexpr long long clamp = 1'000'000'000;
    long long exponent = 0;
    while (i < n && is_ascii_digit(text[i])) {
        if (exponent < clamp) {
            exponent = exponent * 10 + (text[i] - '0');
        }
        ++i;
    }
    return negative ? -exponent : exponent;
}

NumberShape scan_number(std::string_view text) noexcept {
    NumberShape shape;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        shape.negative = text[i] == '-';
        ++i;
    }
    const Mantissa mantissa = scan_mantissa(text, i);
    if (mantissa.digits == 0) {
        return shape;
    }
    const std::optional<long long> exponent = scan_exponent(text, i);
    if (!exponent || i != text.size()) {
        return shape;
    }
    shape.valid = true;
    shape.magnitude = mantissa.significant ? mantissa.first_significant + *exponent : 0;
    return shape;
}

// from_chars takes no leading plus sign.
std::string_view without_plus(std::string_view text) noexcept {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    return text;
}

template <typename T>
std::errc read_number(std::string_view text, T& value) noexcept {
    const auto digits = without_plus(text);
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return result.ptr == digits.data() + digits.size() ? result.ec : std::errc::invalid_argument;
}

}  // namespace

std::string_view trim_text(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool is_numeric_text(std::string_view text) noexcept {
    return scan_number(text).valid;
}

double text_value(std::string_view text) noexcept {
    const auto shape = scan_number(text);
    if (!shape.valid) {
        return 0.0;
    }
    double value = 0.0;
    if (read_number(text, value) == std::errc::result_out_of_range) {
        value = shape.magnitude > 0 ? HUGE_VAL : 0.0;
        return shape.negative ? -value : value;
    }
    return value;
}

SingleValue single_value(std::string_view text) noexcept {
    const auto shape = scan_number(text);
    if (!shape.valid) {
        return {SingleStatus::not_a_number, 0.0F};
    }
    float value = 0.0F;
    if (read_number(text, value) == std::errc::result_out_of_range) {
        if (shape.magnitude > 0) {
            return {SingleStatus::out_of_range, 0.0F};
        }
        return {SingleStatus::ok, shape.negative ? -0.0F : 0.0F};
    }
    return {SingleStatus::ok, value};
}

}  // namespace plessard::text
