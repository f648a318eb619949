#pragma once

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>

namespace plessard::form {

// How a window sets the drawing's lettering in its own serif face: the size whose capitals ink
// the rows the drawing asks for, found by drawing a capital and looking for its ink, and the
// place that puts the middle of the ink on the drawing's point. Both windows take these rules
// from here, so that neither drifts from the other unseen.

// The pixels a piece of text inks, measured by a window in its own face from the point it
// draws the text at: the first column and row of ink and how many of each it takes.
struct InkExtent {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Where a window draws a piece of text so that the middle of its ink stands on the point
// (centre_x, centre_y), in the window's pixels.
[[nodiscard]] constexpr PixelPoint lettering_origin(int centre_x, int centre_y,
                                                    const InkExtent& ink) noexcept {
    return {centre_x - ink.left - ink.width / 2, centre_y - ink.top - ink.height / 2};
}

// Whether a pixel of dark text drawn on white counts as ink: darker than the middle grey, as
// the eye weighs red, green and blue. The pixel is a 32-bit word 0xXXRRGGBB, as both Qt's RGB32
// images and 32-bit device-independent bitmaps hold it.
[[nodiscard]] constexpr bool is_ink(std::uint32_t pixel) noexcept {
    const std::uint32_t red = (pixel >> 16) & 0xFFU;
    const std::uint32_t green = (pixel >> 8) & 0xFFU;
    const std::uint32_t blue = pixel & 0xFFU;
    return (red * 11 + green * 16 + blue * 5) / 32 < 128;
}

// The ink in a picture `width` pixels wide whose rows of pixels (as is_ink takes them) follow
// each other without padding, from its top-left pixel; all zero when nothing is inked.
[[nodiscard]] InkExtent ink_extent(std::span<const std::uint32_t> pixels, int width) noexcept;

// Of the sizes from smallest to largest, the first whose capitals ink the rows nearest to
// cap_height; measure(size) gives how many rows a capital inks at that size. Measured rather
// than taken from a face's metrics, which count the faint edge pixels of smoothed lettering.
// Each size measured costs a face at that size, so the search ends at the first exact one.
template <typename Measure>
[[nodiscard]] int closest_lettering_size(int cap_height, int smallest, int largest,
                                         const Measure& measure) {
    int best_size = smallest;
    int best_miss = std::numeric_limits<int>::max();
    for (int size = smallest; size <= largest && best_miss > 0; ++size) {
        const int miss = std::abs(measure(size) - cap_height);
        if (miss < best_miss) {
            best_miss = miss;
            best_size = size;
        }
    }
    return best_size;
}

// The size, in pixels of the em, at which a serif face inks capitals nearest to cap_height
// rows. Cap heights run from about 0.6 to 0.75 of the em in serif faces, so the sizes from
// cap_height to twice it and two more are tried.
template <typename Measure>
[[nodiscard]] int lettering_size(int cap_height, const Measure& measure) {
    return closest_lettering_size(cap_height, cap_height, cap_height * 2 + 2, measure);
}

}  // namespace plessard::form
