#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace plessard::fuzz {

// The fuzz data cut into N texts at a separator byte. The last text takes the rest, separators
// included, so every byte value still reaches it; texts the data runs out before are empty.
template <std::size_t N>
[[nodiscard]] std::array<std::string_view, N> split_texts(std::string_view data, char separator) {
    std::array<std::string_view, N> texts{};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const std::size_t end = data.find(separator);
        if (end == std::string_view::npos) {
            texts[i] = data;
            return texts;
        }
        texts[i] = data.substr(0, end);
        data.remove_prefix(end + 1);
    }
    texts[N - 1] = data;
    return texts;
}

}  // namespace plessard::fuzz
