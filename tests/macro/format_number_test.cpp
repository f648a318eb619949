#include "macro/format_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace plessard::macro {
namespace {

using detail::format_number_exactly;
using detail::format_number_from_shortest;

// The fast way may only answer where it agrees with the digits of the shortest form.
TEST(FormatNumber, TheFastWayAgreesWithTheShortestForm) {
    const auto check = [](float value) {
        if (const auto fast = format_number_exactly(value)) {
            ASSERT_EQ(*fast, format_number_from_shortest(value)) << value;
        }
    };
    // A sweep of bit patterns up to 2^24, both signs.
    for (std::uint32_t bits = 0; bits < 0x4B800000U; bits += 997U) {
        float value = 0.0F;
        std::memcpy(&value, &bits, sizeof value);
        check(value);
        check(-value);
    }
    // Every rounding boundary of the first thousands and its neighbours.
    for (int k = 0; k < 200000; ++k) {
        const float boundary = static_cast<float>((k + 0.5) / 1000.0);
        for (const float value :
             {std::nextafter(boundary, 0.0F), boundary, std::nextafter(boundary, HUGE_VALF)}) {
            check(value);
            check(-value);
        }
    }
}

TEST(FormatNumber, TheFastWayGivesUpNearATieAndOnHugeValues) {
    EXPECT_EQ(format_number_exactly(2.0005F), std::nullopt);
    EXPECT_EQ(format_number_exactly(0.0625F), std::nullopt);
    EXPECT_EQ(format_number_exactly(3e10F), std::nullopt);
    EXPECT_EQ(format_number_exactly(12.3456F), "12.346");
}

}  // namespace
}  // namespace plessard::macro
