#include "text/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "text/shortest_text.h"

namespace plessard::text {

// The shortest digits laid out without an exponent. (Fixed notation straight from to_chars
// would spell out every binary digit of a large value: 3.4028235e38 as
// 340282349999999991754788743781432688640.)
char* decimal_text(double value, char* out) {
    if (value == 0.0) {
        return std::copy_n("0.0", 3, out);
    }
    if (std::isnan(value)) {
        return std::copy_n("nan", 3, out);
    }
    if (std::isinf(value)) {
        return shortest_text(value, out);
    }
    const auto [negative, digits, exponent] = shortest_digits(value);
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

std::string decimal_text(double value) {
    std::array<char, decimal_capacity> buffer{};
    return {buffer.data(), decimal_text(value, buffer.data())};
}

double rounded_to_decimals(double value, int decimals) noexcept {
    // Exact powers of ten, so that a scale is never itself a rounded value.
    constexpr std::array<double, 16> scales{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scale = scales[static_cast<std::size_t>(std::clamp(decimals, 0, 15))];
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) {
        return value;
    }
    return std::round(scaled) / scale;
}

double rounded_to_significant(double value, int digits) noexcept {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    std::array<char, 32> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                      std::chars_format::scientific, std::clamp(digits, 1, 17) - 1);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return rounded;
}

}  // namespace plessard::text
