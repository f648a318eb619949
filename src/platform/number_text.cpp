#include "platform/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <optional>
#include <system_error>

#include "platform/error.h"

namespace plessard::platform {
namespace {

// What the grammar check learns on the way: whether the text is a number at all and the decimal
// exponent of its first significant digit, which tells overflow from underflow when a
// conversion reports the value out of range.
struct NumberShape {
    bool valid = false;
    bool negative = false;
    long long magnitude = 0;
};

NumberShape scan_number(std::string_view text) noexcept {
    NumberShape shape;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        shape.negative = text[i] == '-';
        ++i;
    }
    long long integer_digits = 0;
    long long first_significant = 0;  // exponent of the first non-zero digit, before the 'e'
    bool significant_seen = false;
    std::size_t mantissa_digits = 0;
    while (i < n && is_ascii_digit(text[i])) {
        if (!significant_seen && text[i] != '0') {
            significant_seen = true;
            first_significant = integer_digits;  // counted from the left; fixed below
        }
        ++integer_digits;
        ++mantissa_digits;
        ++i;
    }
    if (significant_seen) {
        first_significant = integer_digits - 1 - first_significant;
    }
    if (i < n && text[i] == '.') {
        ++i;
        long long position = -1;
        while (i < n && is_ascii_digit(text[i])) {
            if (!significant_seen && text[i] != '0') {
                significant_seen = true;
                first_significant = position;
            }
            --position;
            ++mantissa_digits;
            ++i;
        }
    }
    if (mantissa_digits == 0) {
        return shape;
    }
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exponent_negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            exponent_negative = text[i] == '-';
            ++i;
        }
        if (i == n || !is_ascii_digit(text[i])) {
            return shape;
        }
        constexpr long long clamp = 1'000'000'000;
        while (i < n && is_ascii_digit(text[i])) {
            if (exponent < clamp) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++i;
        }
        if (exponent_negative) {
            exponent = -exponent;
        }
    }
    if (i != n) {
        return shape;
    }
    shape.valid = true;
    shape.magnitude = significant_seen ? first_significant + exponent : 0;
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

std::string shortest_text(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

}  // namespace

std::string_view trim_text(std::string_view text) noexcept {
    const auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
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

std::int32_t round_to_long(double value) {
    if (std::isfinite(value)) {
        double rounded = std::floor(value);
        const double fraction = value - rounded;
        if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
            rounded += 1.0;
        }
        if (rounded >= -2147483648.0 && rounded <= 2147483647.0) {
            return static_cast<std::int32_t>(rounded);
        }
    }
    throw Error(ErrorNumber::overflow,
                "Overflow: " + shortest_text(value) + " is beyond the 32-bit integer range");
}

float round_to_single(double value) noexcept {
    if (std::isnan(value)) {
        return std::nanf("");
    }
    if (overflows_single(value)) {
        return value < 0 ? -HUGE_VALF : HUGE_VALF;
    }
    return static_cast<float>(value);
}

std::string number_text(float value) {
    std::array<char, 32> buffer{};
    const bool negative = value < 0.0F;
    const float shown = negative ? value : std::fabs(value);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), shown);
    std::string text = negative ? "" : " ";
    text.append(buffer.data(), result.ptr);
    return text;
}

namespace {

// The fast way of format_number, into a buffer of at least 32 characters: the end of the text,
// or nullptr where it cannot tell. value * 1000 is exact in a double (24 + 10 bits), so the
// rounding is exact. It agrees with rounding the shortest decimal form whenever no rounding
// boundary (a half in the third decimal) lies within half an ulp of the value, because the
// shortest form lies that close to it.
char* format_exactly(float value, char* out) noexcept {
    const double scaled = std::fabs(static_cast<double>(value)) * 1000.0;
    if (!(scaled < 1e15)) {
        return nullptr;
    }
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const auto biased_exponent = static_cast<std::int64_t>((bits >> 23) & 0xFFU);
    // Half an ulp is 2^(e - 24) for a normal single of exponent e, 2^-150 for a subnormal one.
    const std::int64_t half_ulp_exponent = biased_exponent == 0 ? -150 : biased_exponent - 151;
    const double half_ulp =
        std::bit_cast<double>(static_cast<std::uint64_t>(half_ulp_exponent + 1023) << 52) * 1000.0;
    const auto whole = static_cast<std::uint64_t>(scaled);  // floor: scaled is not negative
    const double fraction = scaled - static_cast<double>(whole);
    if (!(std::fabs(fraction - 0.5) > half_ulp)) {
        return nullptr;
    }
    const std::uint64_t thousandths = fraction > 0.5 ? whole + 1 : whole;
    if (thousandths == 0) {
        std::memcpy(out, "0.0", 3);
        return out + 3;
    }
    if (value < 0.0F) {
        *out++ = '-';
    }
    out = std::to_chars(out, out + 24, thousandths / 1000).ptr;
    *out++ = '.';
    auto decimals = static_cast<unsigned>(thousandths % 1000);
    *out++ = static_cast<char>('0' + decimals / 100);
    decimals %= 100;
    if (decimals != 0) {
        *out++ = static_cast<char>('0' + decimals / 10);
        if (decimals % 10 != 0) {
            *out++ = static_cast<char>('0' + decimals % 10);
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> format_number_exactly(float value) {
    std::array<char, 32> buffer{};
    const char* end = format_exactly(value, buffer.data());
    if (end == nullptr) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

std::string format_number(float value) {
    std::array<char, number_text_capacity> buffer{};
    const char* end = write_number(value, buffer.data());
    return std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

char* write_number(float value, char* out) {
    if (char* end = format_exactly(value, out)) {
        return end;
    }
    const std::string text = format_number_from_shortest(value);
    return std::copy(text.begin(), text.end(), out);
}

namespace {

template <typename Number>
ShortestDigits split_shortest(Number value) {
    // to_chars gives them as [-]d[.ddd]e±x.
    std::array<char, 64> scientific{};
    const char* end = std::to_chars(scientific.data(), scientific.data() + scientific.size(), value,
                                    std::chars_format::scientific)
                          .ptr;
    ShortestDigits result;
    const char* c = scientific.data();
    result.negative = *c == '-';
    if (result.negative) {
        ++c;
    }
    for (; c != end && *c != 'e'; ++c) {
        if (*c != '.') {
            result.digits.push_back(*c);
        }
    }
    if (c != end) {
        ++c;
        if (*c == '+') {
            ++c;
        }
        std::from_chars(c, end, result.exponent);
    }
    return result;
}

}  // namespace

ShortestDigits shortest_digits(float value) {
    return split_shortest(value);
}
ShortestDigits shortest_digits(double value) {
    return split_shortest(value);
}

std::string format_number_from_shortest(float value) {
    if (!std::isfinite(value)) {
        throw Error(ErrorNumber::floating_point,
                    "Floating-point error: cannot write " + shortest_text(value) + " as a number");
    }
    const ShortestDigits shortest = shortest_digits(value);
    const bool negative = shortest.negative;
    const int exponent = shortest.exponent;

    // Lay the digits out in fixed point: `point` integer digits (at least one), then at least
    // four decimals, the fourth deciding the rounding. A single has at most 39 integer digits.
    std::array<char, 64> digits{};
    digits.fill('0');
    const int leading_zeros = exponent < 0 ? -exponent : 0;
    int point = exponent < 0 ? 1 : exponent + 1;
    std::size_t count = static_cast<std::size_t>(leading_zeros);
    for (const char c : shortest.digits) {
        if (count < digits.size()) {
            digits[count++] = c;
        }
    }
    const auto kept = static_cast<std::size_t>(point) + 3;
    if (leading_zeros > 4) {
        return "0.0";  // far below the third decimal
    }
    if (digits[kept] >= '5') {  // halves away from zero
        std::size_t i = kept;
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            std::copy_backward(digits.begin(), digits.begin() + static_cast<long>(kept),
                               digits.begin() + static_cast<long>(kept) + 1);
            digits[0] = '1';
            ++point;
        } else {
            ++digits[i - 1];
        }
    }
    const std::size_t length = static_cast<std::size_t>(point) + 3;
    const std::string_view rounded(digits.data(), length);
    if (rounded.find_first_not_of('0') == std::string_view::npos) {
        return "0.0";
    }
    std::string_view integer = rounded.substr(0, static_cast<std::size_t>(point));
    while (integer.size() > 1 && integer.front() == '0') {
        integer.remove_prefix(1);
    }
    std::string_view decimals = rounded.substr(static_cast<std::size_t>(point));
    while (decimals.size() > 1 && decimals.back() == '0') {
        decimals.remove_suffix(1);
    }
    std::string text;
    text.reserve(integer.size() + decimals.size() + 2);
    if (negative) {
        text.push_back('-');
    }
    text.append(integer).append(".").append(decimals);
    return text;
}

}  // namespace plessard::platform
