#include "text/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/case_name.h"

namespace plessard::text {
namespace {

struct DecimalCase {
    const char* name;
    double value;
    const char* text;
};

class DecimalTextTable : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalTextTable, GivesShortestPlainDecimal) {
    EXPECT_EQ(decimal_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DecimalTextTable,
    ::testing::Values(
        DecimalCase{"whole", 45.0, "45.0"}, DecimalCase{"tenths", 8.8, "8.8"},
        DecimalCase{"negative", -0.8, "-0.8"}, DecimalCase{"zero", 0.0, "0.0"},
        DecimalCase{"minus_zero", -0.0, "0.0"}, DecimalCase{"thousandths", 12.346, "12.346"},
        DecimalCase{"no_exponent", 3.4028235e38, "340282350000000000000000000000000000000.0"},
        DecimalCase{"small", 0.0005, "0.0005"}, DecimalCase{"infinity", INFINITY, "inf"}),
    testing::CaseName{});

// The roundings callers take before the text: a drawing drops the noise of its arithmetic, a
// message keeps a file's decimals.
TEST(DecimalText, RoundsToDecimalsOrToSignificantDigits) {
    EXPECT_EQ(rounded_to_decimals(27.199999999999996, 6), 27.2);
    EXPECT_EQ(rounded_to_decimals(-12.34564, 4), -12.3456);
    EXPECT_EQ(rounded_to_decimals(0.0000004, 6), 0.0);
    EXPECT_EQ(rounded_to_decimals(1e300, 15), 1e300);
    EXPECT_EQ(rounded_to_significant(9.999999999999999e35, 12), 1e36);
    EXPECT_EQ(rounded_to_significant(-123456789012345.0, 3), -123000000000000.0);
    EXPECT_TRUE(std::isinf(rounded_to_significant(INFINITY, 12)));
}

}  // namespace
}  // namespace plessard::text
