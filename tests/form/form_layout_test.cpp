#include "form/form_layout.h"

#include <gtest/gtest.h>

namespace plessard::form {
namespace {

struct TwipsCase {
    int twips;
    int dots_per_inch;
    int pixels;
};

TEST(TwipsToPixels, RoundsHalvesAwayFromZeroAtEveryScale) {
    const TwipsCase cases[] = {
        {15, 96, 1},      {3840, 96, 256},  {3015, 96, 201},   {7848, 96, 523},  // 523.2
        {3720, 96, 248},  {7, 96, 0},       {8, 96, 1},        {-8, 96, -1},     // halves
        {7848, 144, 785}, {375, 144, 38},   {7848, 192, 1046}, {315, 192, 42},
        {0, 120, 0},      {3735, 120, 311},
    };
    for (const TwipsCase& c : cases) {
        EXPECT_EQ(twips_to_pixels(c.twips, c.dots_per_inch), c.pixels)
            << c.twips << " twips at " << c.dots_per_inch << " dpi";
    }
}

// At 15 twips a pixel every control falls on whole pixels, so nothing in the window is blurred
// or a pixel off at the usual scale.
TEST(Controls, FallOnWholePixelsAtNinetySixDotsPerInch) {
    for (const Control& control : controls) {
        for (const int twips : {control.left, control.top, control.width, control.height}) {
            EXPECT_EQ(twips % 15, 0) << control.name;
        }
    }
}

}  // namespace
}  // namespace plessard::form
