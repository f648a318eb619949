#pragma once

#include <cstdint>
#include <optional>

namespace plessard::text {

// Nearest 32-bit integer, halves to even; nothing for a value that rounds beyond the 32-bit
// range, an infinity or NaN.
[[nodiscard]] std::optional<std::int32_t> round_to_long(double value) noexcept;

// Nearest single of a double. An infinity comes back for a magnitude beyond the single range.
[[nodiscard]] float round_to_single(double value) noexcept;

// True when rounding the double to single would leave the single range (or it is not finite).
// FLT_MAX plus half an ulp already rounds (to even) up to infinity.
[[nodiscard]] inline bool overflows_single(double value) noexcept {
    return !(value < 0x1.ffffffp+127 && value > -0x1.ffffffp+127);
}

}  // namespace plessard::text
