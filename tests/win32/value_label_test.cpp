#include "win32/value_label.h"

#include <gtest/gtest.h>

#include <string>

#include "win32/gdi_font.h"
#include "win32/window_layout.h"
#include "win32/window_text.h"

namespace plessard::win32 {
namespace {

// A value label as the window makes one (1215 twips wide), in a top-level window of its own.
class ValueLabelTest : public ::testing::Test {
  protected:
    ValueLabelTest()
        : parent_(::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                                    nullptr, nullptr, nullptr)),
          font_(message_font(96)) {
        const ControlClass kind = control_class(form::ControlKind::value_label);
        label_ = ::CreateWindowExW(kind.ex_style, kind.name, L"", kind.style, 0, 0, 81, 21, parent_,
                                   nullptr, nullptr, nullptr);
        ::SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    ~ValueLabelTest() override { ::DestroyWindow(parent_); }

    HWND parent_;
    Font font_;
    HWND label_ = nullptr;
};

TEST_F(ValueLabelTest, KeepsTheWholeValueAndShowsItInATipOnlyWhenCut) {
    ASSERT_NE(label_, nullptr);
    ToolTips tips(parent_);
    struct Case {
        std::wstring value;
        bool cut;
    };
    const Case cases[] = {
        {L" 10", false},
        {L"-3.4028235e+38-3.4028235e+38", true},
        {L" 0.5", false},  // a shorter value takes the tip away again
    };
    for (const Case& c : cases) {
        set_value(label_, tips, c.value);
        EXPECT_EQ(window_text(label_), c.value);
        EXPECT_EQ(text_fits(label_, c.value), !c.cut);
        EXPECT_EQ(tips.text(label_), c.cut ? c.value : std::wstring()) << c.value.size();
    }
}

}  // namespace
}  // namespace plessard::win32
