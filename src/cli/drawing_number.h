#pragma once

#include <string>

namespace plessard::cli {

// A number for a drawing file: plain decimal with a point, rounded to six decimals so that
// arithmetic noise (27.199999999999996) does not reach the file; "-0" is "0.0".
[[nodiscard]] std::string drawing_number(double value);

}  // namespace plessard::cli
