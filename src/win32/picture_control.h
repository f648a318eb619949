#pragma once

#include <windows.h>

namespace plessard::win32 {

// Picture1: the dimension drawing in a control of its own, drawn by the core for the screen's
// resolution (again when the window moves to a screen of another one) and shown one picture
// pixel a screen pixel, its lettering set in a serif face over it. It takes the focus like any
// control in the tab order, shows a focus rectangle while it has it, and reacts to no key. It
// paints into a device context it is handed too (WM_PRINTCLIENT).

// Registers the control's class (window_layout's picture_class_name); once, before the window.
void register_picture_class(HINSTANCE instance);

// Sent to the control when its window moved to a screen of another resolution; wParam holds
// the new dots per inch.
inline constexpr UINT picture_dpi_changed = WM_APP + 1;

}  // namespace plessard::win32
