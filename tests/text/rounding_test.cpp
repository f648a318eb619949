#include "text/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>

namespace plessard::text {
namespace {

struct RoundCase {
    double value;
    std::int32_t rounded;
};

class RoundToLong : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToLong, RoundsHalvesToEven) {
    EXPECT_EQ(round_to_long(GetParam().value), GetParam().rounded) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToLong,
    ::testing::Values(RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.5, 2}, RoundCase{-0.5, 0},
                      RoundCase{-1.5, -2}, RoundCase{0.6, 1}, RoundCase{10.4, 10},
                      RoundCase{10.5, 10}, RoundCase{10.6, 11}, RoundCase{2147483647.0, 2147483647},
                      RoundCase{2147483647.4, 2147483647}, RoundCase{-2147483648.5, -2147483648}));

TEST(RoundToLong, GivesNothingBeyondThirtyTwoBits) {
    for (const double value : {2147483647.5, -2147483648.5000005, -2147483649.0, 1e10, HUGE_VAL,
                               -HUGE_VAL, static_cast<double>(NAN)}) {
        EXPECT_EQ(round_to_long(value), std::nullopt) << value;
    }
}

TEST(RoundToSingle, GivesInfinityOnlyPastTheLastRoundingBoundary) {
    EXPECT_EQ(round_to_single(100.000001), 100.0F);
    EXPECT_EQ(round_to_single(100.00001), 100.00000762939453F);
    EXPECT_EQ(round_to_single(0x1.fffffefffffffp+127), 3.4028235e38F);
    EXPECT_EQ(round_to_single(0x1.ffffffp+127), HUGE_VALF);
    EXPECT_EQ(round_to_single(-1e39), -HUGE_VALF);
    EXPECT_FALSE(overflows_single(0x1.fffffefffffffp+127));
    EXPECT_TRUE(overflows_single(0x1.ffffffp+127));
    EXPECT_TRUE(overflows_single(HUGE_VAL));
}

}  // namespace
}  // namespace plessard::text
