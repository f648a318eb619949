#pragma once

#include <string_view>

namespace plessard::text {

// The digits 0 to 9, whatever the locale.
[[nodiscard]] constexpr bool is_ascii_digit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// A byte a message box or a terminal shows as itself: the blank up to the tilde.
[[nodiscard]] constexpr bool is_printable_ascii(char c) noexcept {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x7F;
}

// Every byte of the text is printable ASCII.
[[nodiscard]] constexpr bool is_printable_ascii(std::string_view text) noexcept {
    for (const char c : text) {
        if (!is_printable_ascii(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace plessard::text
