#include "win32/value_label.h"

#include <string>

#include "form/form_layout.h"
#include "win32/window_text.h"

namespace plessard::win32 {

bool text_fits(HWND label, std::wstring_view text) {
    RECT client{};
    ::GetClientRect(label, &client);
    const HDC dc = ::GetDC(label);
    if (dc == nullptr) {
        return true;
    }
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
    const HGDIOBJ old_font = font != nullptr ? ::SelectObject(dc, font) : nullptr;
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    if (old_font != nullptr) {
        ::SelectObject(dc, old_font);
    }
    ::ReleaseDC(label, dc);
    return extent.cx <= client.right - client.left;
}

void set_value(HWND label, ToolTips& tips, std::wstring_view value) {
    const std::wstring text(value);
    ::SetWindowTextW(label, text.c_str());
    tips.set(label, form::value_label_tip(std::wstring_view(text), text_fits(label, text)));
}

void refresh_value_tip(HWND label, ToolTips& tips) {
    set_value(label, tips, window_text(label));
}

}  // namespace plessard::win32
