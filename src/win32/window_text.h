#pragma once

#include <string>

#include <windows.h>

namespace plessard::win32 {

// The whole text of a window or control, however long.
[[nodiscard]] std::wstring window_text(HWND window);

}  // namespace plessard::win32
