#pragma once

#include <cstdint>
#include <span>

namespace plessard::app {

// One image of the program's icon, size x size pixels, rows from the top, each pixel a word
// 0xAARRGGBB (not premultiplied).
struct IconImage {
    int size;
    const std::uint32_t* pixels;
};

// The icon's images, smallest first, as the build decoded them from the PNGs it rendered
// (embed_icon writes their definition), so the program decodes nothing when it starts.
[[nodiscard]] std::span<const IconImage> program_icon_images() noexcept;

}  // namespace plessard::app
