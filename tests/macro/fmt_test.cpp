#include "macro/fmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "macro/detail/fmt_ways.h"
#include "platform/error.h"

namespace plessard::macro {
namespace {

struct FmtCase {
    float value;
    const char* text;
};

class FmtTable : public ::testing::TestWithParam<FmtCase> {};

TEST_P(FmtTable, WritesThePattern) {
    EXPECT_EQ(fmt(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FmtTable,
                         ::testing::Values(
                             // The table every host relies on.
                             FmtCase{0.0F, "0.0"}, FmtCase{1.0F, "1.0"}, FmtCase{-1.0F, "-1.0"},
                             FmtCase{0.8F, "0.8"}, FmtCase{2.25F, "2.25"}, FmtCase{2.05F, "2.05"},
                             FmtCase{12.3456F, "12.346"}, FmtCase{9.9996F, "10.0"},
                             FmtCase{0.0004F, "0.0"}, FmtCase{1234567.0F, "1234567.0"},
                             // From the shortest decimal form, halves away from zero.
                             FmtCase{0.0625F, "0.063"}, FmtCase{-0.0625F, "-0.063"},
                             FmtCase{2.0005F, "2.001"}, FmtCase{100000.1F, "100000.1"},
                             FmtCase{3e10F, "30000000000.0"}, FmtCase{1000000.5F, "1000000.5"},
                             // Zero in every disguise has no sign.
                             FmtCase{-0.0F, "0.0"}, FmtCase{-0.0004F, "0.0"},
                             FmtCase{-0.0005F, "-0.001"}, FmtCase{0.0005F, "0.001"},
                             // Rounding that carries through every digit, and values below one.
                             FmtCase{99.9995F, "100.0"}, FmtCase{-9.9999F, "-10.0"},
                             FmtCase{0.001F, "0.001"}, FmtCase{0.5F, "0.5"}, FmtCase{0.1F, "0.1"},
                             FmtCase{-0.8F, "-0.8"}, FmtCase{26.4F, "26.4"}, FmtCase{17.6F, "17.6"},
                             FmtCase{1e-30F, "0.0"}, FmtCase{1e20F, "100000000000000000000.0"},
                             FmtCase{3.4028235e38F, "340282350000000000000000000000000000000.0"}));

TEST(Fmt, RefusesWhatIsNotANumber) {
    EXPECT_THROW((void)fmt(INFINITY), platform::Error);
    EXPECT_THROW((void)fmt(-INFINITY), platform::Error);
    EXPECT_THROW((void)fmt(NAN), platform::Error);
}

using detail::fmt_exactly;
using detail::fmt_from_shortest;

// The fast way may only answer where it agrees with the digits of the shortest form.
TEST(Fmt, TheFastWayAgreesWithTheShortestForm) {
    const auto check = [](float value) {
        if (const auto fast = fmt_exactly(value)) {
            ASSERT_EQ(*fast, fmt_from_shortest(value)) << value;
        }
    };
    // A sweep of bit patterns up to 2^24, both signs.
    for (std::uint32_t bits = 0; bits < 0x4B800000U; bits += 9973U) {
        float value = 0.0F;
        std::memcpy(&value, &bits, sizeof value);
        check(value);
        check(-value);
    }
    // Every rounding boundary up to twenty and its neighbours.
    for (int k = 0; k < 20000; ++k) {
        const float boundary = static_cast<float>((k + 0.5) / 1000.0);
        for (const float value :
             {std::nextafter(boundary, 0.0F), boundary, std::nextafter(boundary, HUGE_VALF)}) {
            check(value);
            check(-value);
        }
    }
}

TEST(Fmt, TheFastWayGivesUpNearATieAndOnHugeValues) {
    EXPECT_EQ(fmt_exactly(2.0005F), std::nullopt);
    EXPECT_EQ(fmt_exactly(0.0625F), std::nullopt);
    EXPECT_EQ(fmt_exactly(3e10F), std::nullopt);
    EXPECT_EQ(fmt_exactly(12.3456F), "12.346");
}

}  // namespace
}  // namespace plessard::macro
