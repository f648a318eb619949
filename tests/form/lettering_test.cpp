#include "form/lettering.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "support/case_name.h"

namespace plessard::form {
namespace {

struct OriginCase {
    const char* name;
    int centre_x;
    int centre_y;
    InkExtent ink;
    PixelPoint origin;
};

class LetteringOrigin : public ::testing::TestWithParam<OriginCase> {};

TEST_P(LetteringOrigin, PutsTheMiddleOfTheInkOnThePoint) {
    const OriginCase& c = GetParam();
    const PixelPoint origin = lettering_origin(c.centre_x, c.centre_y, c.ink);
    EXPECT_EQ(origin.x, c.origin.x);
    EXPECT_EQ(origin.y, c.origin.y);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, LetteringOrigin,
    ::testing::Values(
        // Drawn from the baseline: the ink stands above the point a window draws at.
        OriginCase{"from_the_baseline", 97, 167, {1, -9, 14, 9}, {89, 172}},
        // Drawn from the top-left of the cell: the ink stands below and right of it.
        OriginCase{"from_the_top_left", 47, 72, {0, 3, 15, 9}, {40, 65}},
        // Twice the resolution: the point scaled, the ink measured at that size.
        OriginCase{"at_twice_the_resolution", 194, 334, {2, 6, 28, 18}, {178, 319}}),
    plessard::testing::CaseName());

TEST(ClosestLetteringSize, TakesTheFirstSizeWhoseCapitalsComeNearest) {
    // The rows a capital inks at the sizes 8 to 14, as a face might give them.
    constexpr std::array<int, 7> rows{6, 7, 7, 8, 10, 10, 11};
    const auto measure = [&rows](int size) { return rows[static_cast<std::size_t>(size - 8)]; };
    EXPECT_EQ(closest_lettering_size(7, 8, 14, measure), 9);    // the first of two exact sizes
    EXPECT_EQ(closest_lettering_size(9, 8, 14, measure), 11);   // 8 and 10 rows: the first
    EXPECT_EQ(closest_lettering_size(20, 8, 14, measure), 14);  // beyond every size
    EXPECT_EQ(closest_lettering_size(7, 12, 14, measure), 12);  // only the sizes asked about
}

TEST(LetteringSize, TriesCapHeightToTwiceItAndTwoMoreUntilOneIsExact) {
    const std::vector<int> all{9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    for (const int exact : {20, 12}) {  // the size whose capitals ink 9 rows
        std::vector<int> asked;
        const auto measure = [&](int size) {
            asked.push_back(size);
            return size == exact ? 9 : 2;
        };
        EXPECT_EQ(lettering_size(9, measure), exact);
        EXPECT_EQ(asked, std::vector<int>(all.begin(), all.begin() + (exact - 8)));
    }
}

TEST(InkExtent, FramesWhatIsDarkerThanTheMiddleGrey) {
    constexpr std::uint32_t white = 0x00FFFFFFU;
    constexpr std::uint32_t grey = 0x00808080U;  // the middle grey, as yellow, is no ink
    constexpr std::uint32_t yellow = 0x00FFFF00U;
    constexpr std::uint32_t dark = 0xFF7F7F7FU;   // ink, whatever the top byte
    constexpr std::uint32_t green = 0x0000FF00U;  // ink, just
    const std::array<std::uint32_t, 12> picture{white, dark,  white, white, yellow, white,
                                                white, white, white, white, green,  grey};
    const InkExtent ink = ink_extent(picture, 4);
    EXPECT_EQ((std::array{ink.left, ink.top, ink.width, ink.height}), (std::array{1, 0, 2, 3}));
    EXPECT_EQ(ink_extent(std::array{white, grey}, 2).height, 0);
}

}  // namespace
}  // namespace plessard::form
