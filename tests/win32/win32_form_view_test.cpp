#include "win32/win32_form_view.h"

#include <gtest/gtest.h>

#include <string>

#include "form/form_layout.h"
#include "platform/utf16.h"
#include "win32/window_layout.h"
#include "win32/window_text.h"

namespace plessard::win32 {
namespace {

// The real window, never shown: what the form's view does with its controls.
class Win32FormViewTest : public ::testing::Test {
  protected:
    Win32FormViewTest()
        : view_(::GetModuleHandleW(nullptr)),
          window_(::FindWindowW(L"PlessardMacroIoWindow",
                                platform::utf16_from_utf8(form::window_caption).c_str())) {}

    [[nodiscard]] HWND control(std::size_t index) const {
        return ::GetDlgItem(window_, control_id(index));
    }

    Win32FormView view_;
    HWND window_;
};

TEST_F(Win32FormViewTest, BuildsEveryControlOfTheTableAtTheScreensResolution) {
    ASSERT_NE(window_, nullptr);
    const UINT dpi = ::GetDpiForWindow(window_);
    RECT client{};
    ::GetClientRect(window_, &client);
    EXPECT_EQ(client.right, form::twips_to_pixels(form::client_width, static_cast<int>(dpi)));
    EXPECT_EQ(client.bottom, form::twips_to_pixels(form::client_height, static_cast<int>(dpi)));
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        const HWND child = control(i);
        ASSERT_NE(child, nullptr) << form::controls[i].name;
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&place), 2);
        const RECT expected = control_rect(form::controls[i], dpi);
        EXPECT_EQ(place.left, expected.left) << form::controls[i].name;
        EXPECT_EQ(place.top, expected.top) << form::controls[i].name;
        EXPECT_EQ(place.right, expected.right) << form::controls[i].name;
        EXPECT_EQ(place.bottom, expected.bottom) << form::controls[i].name;
        EXPECT_EQ(platform::utf8_from_utf16(window_text(child)), form::controls[i].caption);
    }
}

TEST_F(Win32FormViewTest, TextBoxesTakeAnyTextOfAnyLength) {
    const std::string texts[] = {
        "Gr\xC3\xB6\xC3\x9F"
        "e\xE9\x83\xA8\xE5\x93\x81 \xF0\x9F\x93\x90",
        std::string(40000, '7'),  // beyond an edit control's first limit of 32,767
        "",
    };
    for (const std::string& text : texts) {
        view_.set_text(form::TextBox::Text3, text);
        EXPECT_EQ(view_.text(form::TextBox::Text3), text) << text.size();
    }
}

TEST_F(Win32FormViewTest, ValueLabelsKeepTheWholeValue) {
    view_.set_caption(form::ValueLabel::Label6, "-3.4028235e+38");
    EXPECT_EQ(window_text(control(form::value_label_indices[5])), L"-3.4028235e+38");
}

TEST_F(Win32FormViewTest, EnablesCommand2AndGivesTheFocus) {
    view_.set_command2_enabled(false);
    EXPECT_FALSE(::IsWindowEnabled(control(form::command2_index)));
    view_.set_command2_enabled(true);
    EXPECT_TRUE(::IsWindowEnabled(control(form::command2_index)));
    view_.set_focus(form::TextBox::Text2);
    EXPECT_EQ(::GetFocus(), control(form::text_box_indices[1]));
}

TEST_F(Win32FormViewTest, EndsTheMessageLoopWithTheStatusOnceTheHandlerReturned) {
    view_.end_program(3);
    EXPECT_NE(window_, nullptr);  // nothing ends before the loop takes the request
    EXPECT_EQ(view_.run(), 3);
}

}  // namespace
}  // namespace plessard::win32
