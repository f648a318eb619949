#include "macro/fmt.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "macro/detail/fmt_ways.h"
#include "platform/error.h"
#include "text/shortest_text.h"

namespace plessard::macro {
namespace {

// The fast way of fmt, into a buffer of at least 32 characters: the end of the text,
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

// The shortest digits laid out in fixed point: `point` integer digits (at least one), then at
// least four decimals, the fourth deciding the rounding. A single has at most 39 integer
// digits.
struct FixedDigits {
    std::array<char, 64> digits{};
    int point = 1;
};

FixedDigits laid_out(const text::ShortestDigits& shortest) {
    FixedDigits fixed;
    fixed.digits.fill('0');
    const int exponent = shortest.exponent;
    fixed.point = exponent < 0 ? 1 : exponent + 1;
    auto count = static_cast<std::size_t>(exponent < 0 ? -exponent : 0);  // leading zeros
    for (const char c : shortest.digits) {
        if (count < fixed.digits.size()) {
            fixed.digits[count++] = c;
        }
    }
    return fixed;
}

// Rounds to three decimals, halves away from zero; a carry out of the first digit adds one.
void round_to_thousandths(FixedDigits& fixed) {
    auto& digits = fixed.digits;
    const auto kept = static_cast<std::size_t>(fixed.point) + 3;
    if (digits[kept] < '5') {
        return;
    }
    std::size_t i = kept;
    while (i > 0 && digits[i - 1] == '9') {
        digits[--i] = '0';
    }
    if (i == 0) {
        std::copy_backward(digits.begin(), digits.begin() + static_cast<long>(kept),
                           digits.begin() + static_cast<long>(kept) + 1);
        digits[0] = '1';
        ++fixed.point;
    } else {
        ++digits[i - 1];
    }
}

// The rounded digits under the pattern: no leading zeros but one, no trailing zeros but the
// first decimal, and zero without a sign.
std::string pattern_text(bool negative, const FixedDigits& fixed) {
    const auto point = static_cast<std::size_t>(fixed.point);
    const std::string_view rounded(fixed.digits.data(), point + 3);
    if (rounded.find_first_not_of('0') == std::string_view::npos) {
        return "0.0";
    }
    std::string_view integer = rounded.substr(0, point);
    while (integer.size() > 1 && integer.front() == '0') {
        integer.remove_prefix(1);
    }
    std::string_view decimals = rounded.substr(point);
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

}  // namespace

namespace detail {

std::optional<std::string> fmt_exactly(float value) {
    std::array<char, 32> buffer{};
    const char* end = format_exactly(value, buffer.data());
    if (end == nullptr) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

std::string fmt_from_shortest(float value) {
    if (!std::isfinite(value)) {
        throw platform::Error(
            platform::ErrorNumber::floating_point,
            "Floating-point error: cannot write " + text::shortest_text(value) + " as a number");
    }
    const text::ShortestDigits shortest = text::shortest_digits(value);
    if (shortest.exponent < -4) {
        return "0.0";  // far below the third decimal
    }
    FixedDigits fixed = laid_out(shortest);
    round_to_thousandths(fixed);
    return pattern_text(shortest.negative, fixed);
}

}  // namespace detail

std::string fmt(float value) {
    std::array<char, fmt_capacity> buffer{};
    const char* end = fmt(value, buffer.data());
    return std::string(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
}

char* fmt(float value, char* out) {
    if (char* end = format_exactly(value, out)) {
        return end;
    }
    const std::string text = detail::fmt_from_shortest(value);
    return std::copy(text.begin(), text.end(), out);
}

}  // namespace plessard::macro
