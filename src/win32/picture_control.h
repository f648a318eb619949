#pragma once

#include <windows.h>

namespace plessard::win32 {

// Picture1: the dimension drawing in a control of its own. Its pixels are shown unscaled at
// 96 dots per inch and as whole-pixel blocks on a scaled screen; its lettering is set in a serif
// face at the screen's own resolution. It takes the focus like any control in the tab order and
// reacts to no key.

// Registers the control's class (window_layout's picture_class_name); once, before the window.
void register_picture_class(HINSTANCE instance);

// Sent to the control when its window moved to a screen of another resolution; wParam holds
// the new dots per inch.
inline constexpr UINT picture_dpi_changed = WM_APP + 1;

}  // namespace plessard::win32
