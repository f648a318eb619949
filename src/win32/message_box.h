#pragma once

#include <string_view>

#include <windows.h>

#include "form/form_view.h"

namespace plessard::win32 {

// A box with one OK button and the style's icon, the texts UTF-8; returns once the user has
// closed it. Owned by the window when there is one (which stays disabled meanwhile); without one
// it still keeps the whole program waiting. Raises std::runtime_error when the box cannot be
// shown.
void show_message_box(HWND owner, std::string_view prompt, form::MessageStyle style,
                      std::string_view title);

// MessageBoxW's flags for a style of the form: one OK button and the style's icon; without an
// owner the box still keeps the whole program waiting.
[[nodiscard]] UINT message_box_flags(form::MessageStyle style, bool has_owner) noexcept;

}  // namespace plessard::win32
