#pragma once

#include <QRect>
#include <QSize>

namespace plessard::app {

// The window is laid out in twips; at 96 dots per inch 15 of them make one pixel.
inline constexpr int twips_per_pixel = 15;

// Nearest whole pixel, halves up. Every control falls on whole pixels; only the width of the
// client area (7848 twips, 523.2 pixels) needs the rounding.
[[nodiscard]] constexpr int twips_to_pixels(int twips) noexcept {
    return (2 * twips + twips_per_pixel) / (2 * twips_per_pixel);
}

[[nodiscard]] constexpr QRect twips_rect(int left, int top, int width, int height) noexcept {
    return {twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
            twips_to_pixels(height)};
}

[[nodiscard]] constexpr QSize twips_size(int width, int height) noexcept {
    return {twips_to_pixels(width), twips_to_pixels(height)};
}

}  // namespace plessard::app
