#pragma once

#include <cstddef>
#include <string>

namespace plessard::platform {

// How a plain decimal text is rounded before it is written.
enum class Rounding {
    // None: the shortest digits that read back as the same double.
    none,
    // For a drawing file: six decimals, beyond a thousand million twelve significant digits, so
    // that arithmetic noise (27.199999999999996) does not reach the file.
    drawing,
    // For a message: to a tenth of the last decimal a macro file writes, so that numbers read
    // from a file come back as written and computed ones without binary noise. Beyond 1e11 the
    // value as it is, and beyond 1e15 the exponent form, which says as much and stays short.
    message,
};

// A double as plain decimal text with a point and at least one decimal ("8.8", "1.0", "-0.5");
// a zero of either sign is "0.0", an infinity "inf" or "-inf". Numbers that go back to an
// operator or into a drawing, never into a macro file.
[[nodiscard]] std::string decimal_text(double value, Rounding rounding = Rounding::none);

// The same text written into a buffer of at least decimal_capacity characters; returns its end.
// The longest is the smallest subnormal double spelt out in full.
inline constexpr std::size_t decimal_capacity = 352;
char* decimal_text(double value, Rounding rounding, char* out);

}  // namespace plessard::platform
