#include "win32/message_box.h"

#include <stdexcept>

#include "platform/utf16.h"

namespace plessard::win32 {

// The form's styles are the platform's own numbers for the icons.
static_assert(static_cast<UINT>(form::MessageStyle::ok_only) == 0);
static_assert(static_cast<UINT>(form::MessageStyle::critical) == MB_ICONSTOP);
static_assert(static_cast<UINT>(form::MessageStyle::exclamation) == MB_ICONEXCLAMATION);

UINT message_box_flags(form::MessageStyle style, bool has_owner) noexcept {
    const UINT flags = MB_OK | MB_SETFOREGROUND | static_cast<UINT>(style);
    return has_owner ? flags : flags | MB_TASKMODAL;
}

void show_message_box(HWND owner, std::string_view prompt, form::MessageStyle style,
                      std::string_view title) {
    const int pressed = ::MessageBoxW(owner, platform::utf16_from_utf8(prompt).c_str(),
                                      platform::utf16_from_utf8(title).c_str(),
                                      message_box_flags(style, owner != nullptr));
    if (pressed == 0) {
        throw std::runtime_error("Cannot show a message box");
    }
}

}  // namespace plessard::win32
