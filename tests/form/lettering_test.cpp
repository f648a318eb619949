#include "form/lettering.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <ios>
#include <utility>
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

TEST(IsInk, TakesWhatIsDarkerThanTheMiddleGrey) {
    const std::array<std::pair<std::uint32_t, bool>, 8> pixels{{
        {0x00000000U, true},   // black
        {0xFF7F7F7FU, true},   // the darkest grey that is ink; the top byte is no colour
        {0x00808080U, false},  // the middle grey
        {0x00FFFFFFU, false},  // white
        {0x00FF0000U, true},   // red weighs least but blue
        {0x0000FF00U, true},   // green alone is just ink
        {0x000000FFU, true},   // blue
        {0x00FFFF00U, false},  // yellow
    }};
    for (const auto& [pixel, ink] : pixels) {
        EXPECT_EQ(is_ink(pixel), ink) << std::hex << pixel;
    }
}

TEST(InkExtent, FramesTheInkedPixelsOnly) {
    constexpr std::uint32_t w = 0x00FFFFFFU;
    constexpr std::uint32_t k = 0x00000000U;
    // Four pixels wide, three rows: ink at (1, 0) and (2, 2).
    const std::array<std::uint32_t, 12> picture{w, k, w, w, w, w, w, w, w, w, k, w};
    const InkExtent ink = ink_extent(picture, 4);
    EXPECT_EQ(ink.left, 1);
    EXPECT_EQ(ink.top, 0);
    EXPECT_EQ(ink.width, 2);
    EXPECT_EQ(ink.height, 3);
    const std::array<std::uint32_t, 4> blank{w, w, w, w};
    const InkExtent none = ink_extent(blank, 2);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 0);
}

}  // namespace
}  // namespace plessard::form
