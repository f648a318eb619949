#include "form/form_layout.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

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

// The boxes and labels the form talks to are the controls of those names and kinds.
TEST(IndexOf, GivesTheControlTheFormNames) {
    const std::pair<TextBox, std::string_view> boxes[] = {{TextBox::Text1, "Text1"},
                                                          {TextBox::Text2, "Text2"},
                                                          {TextBox::Text3, "Text3"},
                                                          {TextBox::Text4, "Text4"}};
    for (const auto& [box, name] : boxes) {
        EXPECT_EQ(controls[index_of(box)].name, name);
        EXPECT_EQ(controls[index_of(box)].kind, ControlKind::text_box) << name;
    }
    const std::pair<ValueLabel, std::string_view> labels[] = {
        {ValueLabel::Label1, "Label1"}, {ValueLabel::Label2, "Label2"},
        {ValueLabel::Label3, "Label3"}, {ValueLabel::Label4, "Label4"},
        {ValueLabel::Label5, "Label5"}, {ValueLabel::Label6, "Label6"}};
    for (const auto& [label, name] : labels) {
        EXPECT_EQ(controls[index_of(label)].name, name);
        EXPECT_EQ(controls[index_of(label)].kind, ControlKind::value_label) << name;
    }
}

// A value label's tip shows the value whole only while the label cuts it.
TEST(ValueLabelTip, IsTheWholeValueOnlyWhenCut) {
    const std::string_view value = "-3.4028235e+38";
    EXPECT_EQ(value_label_tip(value, false), value);
    EXPECT_EQ(value_label_tip(value, true), std::string_view());
}

}  // namespace
}  // namespace plessard::form
