#include "form/lettering.h"

#include <algorithm>
#include <cstddef>

namespace plessard::form {

InkExtent ink_extent(std::span<const std::uint32_t> pixels, int width) noexcept {
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    int bottom = std::numeric_limits<int>::min();
    const auto row_length = static_cast<std::size_t>(std::max(width, 1));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (is_ink(pixels[i])) {
            const auto x = static_cast<int>(i % row_length);
            const auto y = static_cast<int>(i / row_length);
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    if (right < left) {
        return {};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace plessard::form
