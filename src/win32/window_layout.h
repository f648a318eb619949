#pragma once

#include <cstddef>

#include <windows.h>

#include "form/form_layout.h"

namespace plessard::win32 {

// What the Win32 window makes of the form's layout table: the system class and styles of each
// kind of control, where it stands at a screen's dots per inch, and the styles of the frame.

// A control's window class and styles.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD ex_style;
};

// The class of the dimension drawing's control, registered by picture_control.
inline constexpr const wchar_t* picture_class_name = L"PlessardPicture";

// Fixed size: a caption, the system menu and a minimise box, nothing to resize or maximise.
inline constexpr DWORD frame_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD frame_ex_style = 0;

[[nodiscard]] ControlClass control_class(form::ControlKind kind) noexcept;

// The control's place in the client area, in pixels at dots_per_inch.
[[nodiscard]] RECT control_rect(const form::Control& control, UINT dots_per_inch) noexcept;

// The identifier of the control at this place in the table. The dialog manager sends IDOK and
// IDCANCEL for Enter and Esc, so no control may have either.
[[nodiscard]] constexpr int control_id(std::size_t index) noexcept {
    return 100 + static_cast<int>(index);
}

// The frame's outer size for the fixed client area at dots_per_inch.
[[nodiscard]] SIZE frame_size(UINT dots_per_inch) noexcept;

}  // namespace plessard::win32
