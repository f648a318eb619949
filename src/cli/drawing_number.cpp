#include "cli/drawing_number.h"

#include <cmath>

#include "text/decimal_text.h"

namespace plessard::cli {

std::string drawing_number(double value) {
    // Beyond 1e9 a double has no six decimals left to round; twelve significant digits still
    // hold every digit of a single and drop the noise (a radius of 9.999999999999999e35 that the
    // file's numbers make 1e36).
    const double rounded = std::fabs(value) < 1e9 || !std::isfinite(value)
                               ? text::rounded_to_decimals(value, 6)
                               : text::rounded_to_significant(value, 12);
    return text::decimal_text(rounded);
}

}  // namespace plessard::cli
