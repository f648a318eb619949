#include "platform/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "platform/shortest_text.h"

namespace plessard::platform {
namespace {

// Beyond 1e9 a double has no six decimals left to round; twelve significant digits still hold
// every digit of a single and drop the noise (a radius of 9.999999999999999e35 that the file's
// numbers make 1e36).
double rounded_for_drawing(double value) {
    constexpr double scale = 1e6;
    if (std::fabs(value) < 1e9 || !std::isfinite(value)) {
        return std::round(value * scale) / scale;
    }
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, 11);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

// The shortest digits laid out without an exponent. (Fixed notation straight from to_chars
// would spell out every binary digit of a large value: 3.4028235e38 as
// 340282349999999991754788743781432688640.)
char* write_plain(double value, char* out) {
    if (value == 0.0) {
        return std::copy_n("0.0", 3, out);
    }
    if (std::isnan(value)) {
        return std::copy_n("nan", 3, out);
    }
    if (std::isinf(value)) {
        return shortest_text(value, out);
    }
    const auto [negative, digits, exponent] = detail::shortest_digits(value);
    const long point = static_cast<long>(exponent) + 1;  // digits before the point
    if (negative) {
        *out++ = '-';
    }
    if (point <= 0) {
        out = std::copy_n("0.", 2, out);
        out = std::fill_n(out, -point, '0');
        return std::copy(digits.begin(), digits.end(), out);
    }
    const auto integer_digits = static_cast<std::size_t>(point);
    if (integer_digits >= digits.size()) {
        out = std::copy(digits.begin(), digits.end(), out);
        out = std::fill_n(out, integer_digits - digits.size(), '0');
        return std::copy_n(".0", 2, out);
    }
    out = std::copy_n(digits.begin(), integer_digits, out);
    *out++ = '.';
    return std::copy(digits.begin() + point, digits.end(), out);
}

}  // namespace

char* decimal_text(double value, Rounding rounding, char* out) {
    switch (rounding) {
        case Rounding::none:
            break;
        case Rounding::drawing:
            value = rounded_for_drawing(value);
            break;
        case Rounding::message:
            if (!(std::fabs(value) < 1e15)) {
                return shortest_text(value, out);
            }
            if (std::fabs(value) < 1e11) {
                value = std::round(value * 1e4) / 1e4;
            }
            break;
    }
    return write_plain(value, out);
}

std::string decimal_text(double value, Rounding rounding) {
    std::array<char, decimal_capacity> buffer{};
    return {buffer.data(), decimal_text(value, rounding, buffer.data())};
}

}  // namespace plessard::platform
