#pragma once

#include <windows.h>

namespace plessard::win32 {

// Keeps a push button from ever becoming the default one. The dialog manager makes a push
// button the default as it takes the focus, and Enter then presses it; here neither button
// answers Enter, and neither is drawn as the one that would.
void keep_plain(HWND button);

}  // namespace plessard::win32
