#include "win32/win32_form_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

// On WM_DPICHANGED the picture shows the drawing the core makes for the new resolution, one
// picture pixel a screen pixel; the lettering, set in the system's face, is left out.
TEST_F(Win32FormViewTest, DrawsThePictureForTheResolutionItMovesTo) {
    const HWND picture = control(form::picture1_index);
    for (const int dpi : {144, 96}) {
        RECT suggested{0, 0, 800, 400};
        ::SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        const form::DimensionDrawing drawing = form::dimension_drawing(dpi / 96.0);
        const int size = drawing.picture.width();
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(info.bmiHeader), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const HDC dc = ::CreateCompatibleDC(nullptr);
        const HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        const HGDIOBJ old_bitmap = ::SelectObject(dc, bitmap);
        ::SendMessageW(picture, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        ::GdiFlush();
        int differing = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const form::Rgb want = drawing.picture.pixel(x, y);
                const bool lettering = std::any_of(
                    drawing.lettering.begin(), drawing.lettering.end(), [&](const auto& piece) {
                        return std::abs(x - piece.centre_x) <= 10 * drawing.scale &&
                               std::abs(y - piece.centre_y) <= 7 * drawing.scale;
                    });
                const std::uint32_t seen = static_cast<const std::uint32_t*>(bits)[y * size + x];
                differing +=
                    lettering || seen == (want.red * 0x10000u + want.green * 0x100u + want.blue)
                        ? 0
                        : 1;
            }
        }
        ::SelectObject(dc, old_bitmap);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        EXPECT_EQ(differing, 0) << dpi << " dpi";
    }
}

// What a screen reader hears through the system's accessibility interface: text boxes by their
// captions, a value label by its dimension and value, the picture by its name and description.
TEST_F(Win32FormViewTest, NamesTheControlsForScreenReaders) {
    view_.set_caption(form::ValueLabel::Label2, " 4");
    const std::pair<std::size_t, std::wstring_view> names[] = {
        {form::text_box_indices[0], L"DX"},
        {form::text_box_indices[3], L"NY"},
        {form::value_label_indices[1], L"L2 4"},
        {form::value_label_indices[5], L"R2"},
        {form::picture1_index, L"Dimension drawing"}};
    for (const auto& [index, name] : names) {
        IAccessible* object = nullptr;
        ASSERT_EQ(::AccessibleObjectFromWindow(control(index), OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&object)),
                  S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR heard = nullptr;
        EXPECT_EQ(object->get_accName(self, &heard), S_OK);
        EXPECT_EQ(std::wstring_view(heard != nullptr ? heard : L""), name);
        ::SysFreeString(heard);
        if (index == form::picture1_index) {
            EXPECT_EQ(object->get_accDescription(self, &heard), S_OK);
            EXPECT_EQ(platform::utf8_from_utf16(heard != nullptr ? heard : L""),
                      form::picture_description);
            ::SysFreeString(heard);
        }
        object->Release();
    }
}

TEST_F(Win32FormViewTest, EndsTheMessageLoopWithTheStatusOnceTheHandlerReturned) {
    view_.end_program(3);
    EXPECT_NE(window_, nullptr);  // nothing ends before the loop takes the request
    EXPECT_EQ(view_.run(), 3);
}

}  // namespace
}  // namespace plessard::win32
