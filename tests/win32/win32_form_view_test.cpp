#include "win32/win32_form_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include <oleacc.h>

#include "form/accessible_names.h"
#include "form/dimension_drawing.h"
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

// On WM_DPICHANGED the picture shows the core's drawing for the new resolution (rows padded at
// 168 dots per inch) pixel for pixel; the lettering, set in the system's face, is left out.
TEST_F(Win32FormViewTest, DrawsThePictureForTheResolutionItMovesTo) {
    for (const int dpi : {168, 96}) {
        RECT suggested{0, 0, 800, 400};
        ::SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        const form::DimensionDrawing drawing = form::dimension_drawing(dpi / 96.0);
        const int size = drawing.picture.width();
        const HDC dc = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ old_bitmap = ::SelectObject(dc, ::CreateBitmap(size, size, 1, 32, nullptr));
        ::SendMessageW(control(form::picture1_index), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                       PRF_CLIENT);
        int differing = 0;
        for (int i = 0; i < size * size; ++i) {
            const form::Rgb want = drawing.picture.pixel(i % size, i / size);
            const bool lettering = std::any_of(
                drawing.lettering.begin(), drawing.lettering.end(), [&](const auto& piece) {
                    return std::abs(i % size - piece.centre_x) <= 10 * drawing.scale &&
                           std::abs(i / size - piece.centre_y) <= 7 * drawing.scale;
                });
            differing += !lettering &&
                         ::GetPixel(dc, i % size, i / size) != RGB(want.red, want.green, want.blue);
        }
        ::DeleteObject(::SelectObject(dc, old_bitmap));
        ::DeleteDC(dc);
        EXPECT_EQ(differing, 0) << dpi << " dpi";
    }
}

// What a screen reader hears through the system's accessibility interface: a value label by its
// dimension and value, a text box by its caption, the picture as a described image.
TEST_F(Win32FormViewTest, NamesTheControlsForScreenReaders) {
    view_.set_caption(form::ValueLabel::Label2, " 4");
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (const auto& [index, name] : {std::pair{form::value_label_indices[1], L"L2 4"},
                                      std::pair{form::text_box_indices[3], L"NY"},
                                      std::pair{form::picture1_index, L"Dimension drawing"}}) {
        IAccessible* object = nullptr;
        ASSERT_EQ(::AccessibleObjectFromWindow(control(index), OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&object)),
                  S_OK);
        BSTR said[2] = {};
        VARIANT role{};
        object->get_accName(self, &said[0]);
        object->get_accDescription(self, &said[1]);
        object->get_accRole(self, &role);
        object->Release();
        EXPECT_EQ(std::wstring_view(said[0] != nullptr ? said[0] : L""), name);
        if (index == form::picture1_index) {
            EXPECT_EQ(platform::utf8_from_utf16(said[1] != nullptr ? said[1] : L""),
                      form::picture_description);
            EXPECT_EQ(role.lVal, ROLE_SYSTEM_GRAPHIC);
        }
        ::SysFreeString(said[0]);
        ::SysFreeString(said[1]);
    }
}

TEST_F(Win32FormViewTest, EndsTheMessageLoopWithTheStatusOnceTheHandlerReturned) {
    view_.end_program(3);
    EXPECT_NE(window_, nullptr);  // nothing ends before the loop takes the request
    EXPECT_EQ(view_.run(), 3);
}

}  // namespace
}  // namespace plessard::win32
