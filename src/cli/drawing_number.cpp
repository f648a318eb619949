#include "cli/drawing_number.h"

#include <cmath>

#include "macro/macro_number.h"

namespace plessard::cli {

std::string drawing_number(double value) {
    // Beyond 1e9 a double has no six decimals left to round; its shortest form is kept.
    constexpr double scale = 1e6;
    const double rounded = std::fabs(value) < 1e9 ? std::round(value * scale) / scale : value;
    return macro::decimal_text(rounded);
}

}  // namespace plessard::cli
