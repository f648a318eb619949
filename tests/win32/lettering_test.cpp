#include "win32/lettering.h"

#include <gtest/gtest.h>

namespace plessard::win32 {
namespace {

TEST(LetteringFont, InksCapitalsAsHighAsAsked) {
    // 9 pixels at 96 dots per inch, and the same at 150 % and 200 %.
    for (const int cap_height : {9, 14, 18}) {
        const Font font = lettering_font(cap_height);
        ASSERT_NE(font.get(), nullptr);
        EXPECT_EQ(ink_box(font.get(), L"H").height(), cap_height);
    }
}

TEST(InkBox, FramesTheInkedPixelsOnly) {
    const Font font = lettering_font(9);
    const InkBox h = ink_box(font.get(), L"H");
    const InkBox h1 = ink_box(font.get(), L"H1");
    EXPECT_EQ(h1.left, h.left);
    EXPECT_GT(h1.right, h.right);
    EXPECT_GT(h.top, 0);  // the cell's room above the capitals is not ink
    const InkBox nothing = ink_box(font.get(), L" ");
    EXPECT_EQ(nothing.width(), 0);
    EXPECT_EQ(nothing.height(), 0);
}

}  // namespace
}  // namespace plessard::win32
