#pragma once

#include <string_view>

#include <windows.h>

#include "win32/gdi_font.h"

namespace plessard::win32 {

// The pixels a piece of text inks when drawn with its top-left at (0, 0): left and top
// included, right and bottom excluded. Empty when nothing is inked.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int width() const noexcept { return right - left; }
    [[nodiscard]] int height() const noexcept { return bottom - top; }
};

// Draws the text black on white in a scratch bitmap and finds its ink. Measured rather than
// taken from the font's metrics, which count the faint edge pixels of smoothed lettering.
[[nodiscard]] InkBox ink_box(HFONT font, std::wstring_view text);

// The serif face at the height whose inked capitals come closest to cap_height pixels.
[[nodiscard]] Font lettering_font(int cap_height);

}  // namespace plessard::win32
