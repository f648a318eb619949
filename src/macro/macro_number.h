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

}  // namespace plessard::macro
