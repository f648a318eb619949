#pragma once

#include <string>

namespace plessard::cli {

// A number for a drawing file: plain decimal with a point, rounded to six decimals (beyond a
// thousand million to twelve significant digits) so that arithmetic noise (27.199999999999996)
// does not reach the file; "-0" is "0.0".
[[nodiscard]] std::string drawing_number(double value);

// A number whose every digit matters at any size, such as a scale factor: the shortest text
// that reads back as the same double, in exponent form where that is shorter ("6.25e-36").
[[nodiscard]] std::string exact_number(double value);

}  // namespace plessard::cli
