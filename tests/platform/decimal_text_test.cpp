#include "platform/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/case_name.h"

namespace plessard::platform {
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

struct RoundedCase {
    double value;
    Rounding rounding;
    const char* text;
};

// A drawing loses the noise of its arithmetic; a message keeps a file's three decimals and
// stays short at any size.
TEST(DecimalText, RoundsForADrawingAndForAMessage) {
    const RoundedCase cases[] = {
        {27.199999999999996, Rounding::drawing, "27.2"},
        {0.0000004, Rounding::drawing, "0.0"},
        {9.999999999999999e35, Rounding::drawing, "1000000000000000000000000000000000000.0"},
        {-12.34564, Rounding::message, "-12.3456"},
        {123456789012.5, Rounding::message, "123456789012.5"},
        {2e15, Rounding::message, "2e+15"},
    };
    for (const RoundedCase& c : cases) {
        EXPECT_EQ(decimal_text(c.value, c.rounding), c.text) << c.value;
    }
}

}  // namespace
}  // namespace plessard::platform
