#include "text/rounding.h"

#include <cmath>

namespace plessard::text {

std::optional<std::int32_t> round_to_long(double value) noexcept {
    // Exactly the values that round into the range; the test also keeps NaN and the
    // infinities away from the conversion below.
    if (!(value >= -2147483648.5 && value < 2147483647.5)) {
        return std::nullopt;
    }
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    return static_cast<std::int32_t>(rounded);
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

}  // namespace plessard::text
