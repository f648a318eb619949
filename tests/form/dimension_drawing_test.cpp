#include "form/dimension_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/case_name.h"

namespace plessard::form {
namespace {

constexpr Rgb frame{127, 157, 185};
constexpr Rgb white{255, 255, 255};
constexpr Rgb black{0, 0, 0};
constexpr Rgb grey{128, 128, 128};

struct PixelCase {
    const char* name;
    int x;
    int y;
    Rgb colour;
};

class Pixel : public ::testing::TestWithParam<PixelCase> {};

TEST_P(Pixel, HasItsColour) {
    const DimensionDrawing drawing = dimension_drawing();
    const Rgb seen = drawing.picture.pixel(GetParam().x, GetParam().y);
    EXPECT_EQ(seen, GetParam().colour)
        << int(seen.red) << "," << int(seen.green) << "," << int(seen.blue);
}

INSTANTIATE_TEST_SUITE_P(
    Drawing, Pixel,
    ::testing::Values(
        PixelCase{"frame_top_left_outer", 0, 0, frame},
        PixelCase{"frame_top_left_inner", 1, 1, frame}, PixelCase{"frame_right", 198, 100, frame},
        PixelCase{"frame_bottom_right", 199, 199, frame},
        PixelCase{"inside_the_frame", 2, 2, white},
        PixelCase{"inside_the_frame_bottom_right", 197, 197, white},
        PixelCase{"left_side", 33, 100, black}, PixelCase{"top_of_the_upright", 60, 59, black},
        PixelCase{"right_side_of_the_upright", 91, 80, black},
        PixelCase{"top_of_the_short_leg", 120, 107, black},
        PixelCase{"right_end_of_the_short_leg", 161, 130, black},
        PixelCase{"bottom", 100, 154, black},
        PixelCase{"top_left_arc_meets_the_top", 45, 59, black},
        PixelCase{"top_left_arc_meets_the_left_side", 33, 71, black},
        PixelCase{"inner_arc_meets_the_upright", 91, 100, black},
        PixelCase{"inner_arc_meets_the_short_leg", 98, 107, black},
        PixelCase{"bottom_right_arc_meets_the_bottom", 149, 154, black},
        PixelCase{"outside_the_corner_of_the_top_left_arc", 34, 60, white},
        PixelCase{"inside_the_part", 60, 100, white},
        PixelCase{"beside_the_inner_corner_outside_the_part", 95, 103, white},
        PixelCase{"L2_dimension_line", 45, 36, grey}, PixelCase{"L2_extension_line", 92, 45, grey},
        PixelCase{"L1_dimension_line", 130, 167, grey},
        PixelCase{"L1_extension_line", 161, 160, grey},
        PixelCase{"L1_line_broken_for_its_label", 97, 167, white},
        PixelCase{"H1_dimension_line", 18, 80, grey}, PixelCase{"H1_extension_line", 20, 154, grey},
        PixelCase{"H2_dimension_line", 179, 115, grey},
        PixelCase{"H2_extension_line", 170, 107, grey},
        PixelCase{"below_the_L1_line", 97, 160, white}),
    plessard::testing::CaseName());

// Each dimension's label stands in a gap of its own line, wide enough for two capitals of the
// lettering, with the line going on at both sides of it.
TEST(Lettering, DimensionLabelsStandInTheGapsOfTheirLines) {
    const DimensionDrawing drawing = dimension_drawing();
    int dimensions = 0;
    for (const Lettering& label : drawing.lettering) {
        if (label.text != "L1" && label.text != "L2" && label.text != "H1" && label.text != "H2") {
            continue;
        }
        ++dimensions;
        const bool horizontal = label.text[0] == 'L';
        const auto at = [&](int offset) {
            return horizontal ? drawing.picture.pixel(label.centre_x + offset, label.centre_y)
                              : drawing.picture.pixel(label.centre_x, label.centre_y + offset);
        };
        const int room = horizontal ? 9 : 6;
        for (int offset = -room; offset <= room; ++offset) {
            EXPECT_EQ(at(offset), white) << label.text << " at offset " << offset;
        }
        EXPECT_EQ(at(-room - 4), grey) << label.text;
        EXPECT_EQ(at(room + 4), grey) << label.text;
    }
    EXPECT_EQ(dimensions, 4);
}

// The radius labels stand inside the outline, clear of its ink.
TEST(Lettering, EveryLabelIsPlacedOnWhite) {
    const DimensionDrawing drawing = dimension_drawing();
    std::multiset<std::string> texts;
    for (const Lettering& label : drawing.lettering) {
        texts.emplace(label.text);
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -6; dx <= 6; ++dx) {
                EXPECT_EQ(drawing.picture.pixel(label.centre_x + dx, label.centre_y + dy), white)
                    << label.text << " at " << label.centre_x + dx << "," << label.centre_y + dy;
            }
        }
    }
    EXPECT_EQ(texts, (std::multiset<std::string>{"L1", "L2", "H1", "H2", "R1", "R1", "R1", "R2",
                                                 "R2", "R2"}));
}

// The drawing at the scales screens start with, and at a scale that is not a number: its size
// and the widths of its straight strokes, of its frame and of its capitals, in device pixels.
struct ScaleCase {
    const char* name;
    double scale;
    int size, stroke, frame, cap_height;
};

class AtScale : public ::testing::TestWithParam<ScaleCase> {
  protected:
    const DimensionDrawing drawing = dimension_drawing(GetParam().scale);
    // The device pixel in which the middle of a picture pixel at 100 % lands.
    [[nodiscard]] int device(double pixel) const {
        return static_cast<int>((pixel + 0.5) * drawing.scale);
    }
    [[nodiscard]] Rgb at(int x, int y) const { return drawing.picture.pixel(x, y); }
};

// Straight strokes at 100 % (the outline, the dimension and extension lines): colour, along x,
// their row (or column), a pixel along them.
constexpr std::tuple<Rgb, bool, int, int> straight_strokes[] = {
    {black, false, 33, 100}, {black, true, 59, 60},    {black, false, 91, 80},
    {black, true, 107, 120}, {black, false, 161, 130}, {black, true, 154, 100},
    {grey, true, 36, 45},    {grey, true, 167, 130},   {grey, false, 18, 80},
    {grey, false, 179, 118}, {grey, false, 92, 45},    {grey, true, 107, 170}};

TEST_P(AtScale, StrokesAndLetteringStandWhereTheScalePutsThemAtTheirSizes) {
    ASSERT_EQ(drawing.picture.width(), GetParam().size);
    const int stroke = GetParam().stroke;
    for (const auto& [colour, horizontal, line, along] : straight_strokes) {
        std::vector<int> inked;
        for (int across = device(line) - 3 * stroke; across <= device(line) + 3 * stroke;
             ++across) {
            if ((horizontal ? at(device(along), across) : at(across, device(along))) == colour) {
                inked.push_back(across);
            }
        }
        ASSERT_EQ(static_cast<int>(inked.size()), stroke) << line;
        EXPECT_EQ(inked.back() - inked.front() + 1, stroke) << line << " is not solid";
        EXPECT_LE(std::abs(inked.front() + stroke / 2.0 - (line + 0.5) * drawing.scale), 0.5)
            << line;
    }
    const int middle = GetParam().size / 2;
    for (int i = 0; i < GetParam().size; ++i) {
        const bool in_frame = i < GetParam().frame || i >= GetParam().size - GetParam().frame;
        EXPECT_EQ(at(i, middle) == frame, in_frame) << i;
        EXPECT_EQ(at(middle, i) == frame, in_frame) << i;
    }
    EXPECT_EQ(drawing.cap_height, GetParam().cap_height);
    EXPECT_NEAR(drawing.lettering[0].centre_x, 62.5 * drawing.scale, 1.0);  // L2, mid-line
    EXPECT_NEAR(drawing.lettering[0].centre_y, 36.5 * drawing.scale, 1.0);
}

// Ink where the diagonal of each arc's quadrant crosses the arc; wherever the scale is not
// 100 %, smoothed pixels of no colour of the drawing's own.
TEST_P(AtScale, ArcsRunWhereTheScalePutsThemSmoothedAtAnyOtherScale) {
    for (const auto& [cx, cy, r, sx, sy] :
         {std::array{45, 71, 12, -1, -1}, std::array{45, 142, 12, -1, 1},
          std::array{149, 142, 12, 1, 1}, std::array{84, 66, 7, 1, -1},
          std::array{98, 100, 7, -1, 1}, std::array{154, 114, 7, 1, -1}}) {
        int darkest = 255;
        for (int i = 0; i < 9; ++i) {
            const Rgb seen = at(device(cx + sx * r / std::sqrt(2.0)) + i % 3 - 1,
                                device(cy + sy * r / std::sqrt(2.0)) + i / 3 - 1);
            darkest = std::min(darkest, (seen.red + seen.green + seen.blue) / 3);
        }
        EXPECT_LE(darkest, 128) << cx << "," << cy;
    }
    const auto& bytes = drawing.picture.bytes();
    bool smoothed = false;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const Rgb seen{bytes[i], bytes[i + 1], bytes[i + 2]};
        smoothed = smoothed || !(seen == white || seen == black || seen == grey || seen == frame);
    }
    EXPECT_EQ(smoothed, drawing.scale != 1.0);
}

// The band of a window's focus frame is white at every scale: the frame never lands on ink.
TEST_P(AtScale, KeepsTheFocusFramesBandWhite) {
    const int size = GetParam().size;
    int inked = 0;
    for (int i = 0; i < size * size; ++i) {
        const int x = i % size;
        const int y = i / size;
        // The middle of the pixel, in picture pixels from the nearest edge.
        const double in = (std::min({x, y, size - 1 - x, size - 1 - y}) + 0.5) / drawing.scale;
        const bool band = in >= focus_frame_inset && in < focus_frame_inset + focus_frame_band;
        inked += band && at(x, y) != white ? 1 : 0;
    }
    EXPECT_EQ(inked, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Drawing, AtScale,
    ::testing::Values(
        ScaleCase{"at_100", 1.0, 200, 1, 2, 9}, ScaleCase{"at_125", 1.25, 250, 1, 3, 11},
        ScaleCase{"at_150", 1.5, 300, 2, 3, 14}, ScaleCase{"at_175", 1.75, 350, 2, 4, 16},
        ScaleCase{"at_200", 2.0, 400, 2, 4, 18}, ScaleCase{"at_300", 3.0, 600, 3, 6, 27},
        ScaleCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), 200, 1, 2, 9}),
    plessard::testing::CaseName());

}  // namespace
}  // namespace plessard::form
