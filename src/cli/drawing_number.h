#pragma once

#include <string>

namespace plessard::cli {

// A number of a drawing (SVG or DXF) as plain decimal text: six decimals, and beyond a thousand
// million twelve significant digits, so that arithmetic noise (27.199999999999996) does not
// reach the file while every digit of a single does.
[[nodiscard]] std::string drawing_number(double value);

}  // namespace plessard::cli
