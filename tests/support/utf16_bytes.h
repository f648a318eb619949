#pragma once

#include <string>
#include <string_view>

namespace plessard::testing {

// The text as an editor saves it in UTF-16, with its byte-order mark.
inline std::string utf16_bytes(std::u16string_view text, bool little_endian = true) {
    std::string bytes = little_endian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const auto low = static_cast<char>(unit & 0xFFU);
        const auto high = static_cast<char>(unit >> 8U);
        bytes += little_endian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

}  // namespace plessard::testing
