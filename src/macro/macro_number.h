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

// Whether a number text that macro_number_fault accepts is one the writer could have written.
// The writer works in single precision, which holds about seven significant digits: it would
// write 123456789.0 as 123456790.0 (the single 123456792) and 100000.123 as 100000.125. A host
// may well read such a number as it stands, so it is worth a warning, never an error.
[[nodiscard]] bool writer_keeps(std::string_view text);

// The warning for a number text writer_keeps refuses. Either single precision cannot hold the
// number, and the warning names the single it holds in its place, every digit of it, and what
// the writer would have written; or it holds the number exactly (1073741824.0), and only the
// writer's form differs (1073741800.0, the shortest digits of that single).
[[nodiscard]] std::string writer_change_message(std::string_view text);

}  // namespace plessard::macro
