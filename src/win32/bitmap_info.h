#pragma once

#include <windows.h>

namespace plessard::win32 {

// The header of an uncompressed device-independent bitmap whose rows run from the top, as the
// pixels of the drawing and of the lettering's scratch are laid out.
[[nodiscard]] inline BITMAPINFO top_down_bitmap(int width, int height,
                                                WORD bits_per_pixel) noexcept {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits_per_pixel;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace plessard::win32
