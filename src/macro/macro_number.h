#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plessard::macro {

// What is wrong with a number text of a macro file, or nothing when it has exactly the form
// fmt writes: an optional minus, the integer digits without leading zeros, a point and one to
// three decimals, the last of them not a zero unless it is the only one; no plus sign, no
// exponent, no "-0.0", and within the single-precision range.
[[nodiscard]] std::optional<std::string> macro_number_fault(std::string_view text);

// A double as plain decimal text with a point and at least one decimal, the shortest that
// reads back as the same double ("8.8", "1.0", "-0.5"); a zero of either sign is "0.0". Used
// for numbers that go back to an operator or into a drawing, never in a macro file.
[[nodiscard]] std::string decimal_text(double value);

}  // namespace plessard::macro
