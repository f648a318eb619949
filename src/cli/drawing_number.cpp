#include "cli/drawing_number.h"

#include <array>
#include <charconv>
#include <cmath>

#include "macro/macro_number.h"
#include "platform/number_text.h"

namespace plessard::cli {

std::string drawing_number(double value) {
    constexpr double scale = 1e6;
    if (std::fabs(value) < 1e9 || !std::isfinite(value)) {
        return macro::decimal_text(std::round(value * scale) / scale);
    }
    // Beyond 1e9 a double has no six decimals left to round; twelve significant digits still
    // hold every digit of a single and drop the noise (a radius of 9.999999999999999e35 that
    // the file's numbers make 1e36).
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, 11);
    double rounded = value;
    std::from_chars(buffer.data(), written.ptr, rounded);
    return macro::decimal_text(rounded);
}

std::string exact_number(double value) {
    return platform::shortest_text(value);
}

}  // namespace plessard::cli
