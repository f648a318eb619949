#pragma once

#include <cstddef>

#include <windows.h>

namespace plessard::win32 {

// Names the control at this place in the layout table for screen readers: its accessible object
// (MSAA, and UI Automation through it) is the system's, with the name the table gives (a value
// label's with the value it shows at the time it is asked) and, for the picture, its
// description. A system name would be the label's bare value or nothing at all. The thread
// needs COM (ComApartment).
void name_for_screen_readers(HWND control, std::size_t index);

}  // namespace plessard::win32
