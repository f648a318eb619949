#include "cli/drawing_number.h"

#include <gtest/gtest.h>

namespace plessard::cli {
namespace {

// A drawing loses the noise of its arithmetic at every size.
TEST(DrawingNumber, DropsArithmeticNoise) {
    EXPECT_EQ(drawing_number(27.199999999999996), "27.2");
    EXPECT_EQ(drawing_number(0.0000004), "0.0");
    EXPECT_EQ(drawing_number(9.999999999999999e35), "1000000000000000000000000000000000000.0");
}

}  // namespace
}  // namespace plessard::cli
