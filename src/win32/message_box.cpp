#include "win32/message_box.h"

#include <stdexcept>

#include "platform/utf16.h"
#include "win32/window_layout.h"

namespace plessard::win32 {

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
