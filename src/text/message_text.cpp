#include "text/message_text.h"

#include <cstdint>

#include "text/ascii.h"

namespace plessard::text {
namespace {

constexpr std::string_view hex_digits = "0123456789ABCDEF";

bool is_control(std::uint32_t character) noexcept {
    return character < 0x20 || character == 0x7F;
}

void append_escaped_byte(std::string& text, unsigned char byte) {
    text += "\\x";
    text += hex_digits[byte >> 4U];
    text += hex_digits[byte & 0xFU];
}

// The length of the well-formed UTF-8 sequence at the start of the bytes, or 0: no overlong
// form, no surrogate, nothing beyond U+10FFFF.
std::size_t sequence_length(std::string_view bytes) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto continues = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return i < bytes.size() && byte(i) >= low && byte(i) <= high;
    };
    const unsigned char first = byte(0);
    if (first < 0x80) {
        return 1;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        return continues(1) ? 2 : 0;
    }
    if (first >= 0xE0 && first <= 0xEF) {
        const unsigned low = first == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = first == 0xED ? 0x9F : 0xBF;
        return continues(1, low, high) && continues(2) ? 3 : 0;
    }
    if (first >= 0xF0 && first <= 0xF4) {
        const unsigned low = first == 0xF0 ? 0x90 : 0x80;
        const unsigned high = first == 0xF4 ? 0x8F : 0xBF;
        return continues(1, low, high) && continues(2) && continues(3) ? 4 : 0;
    }
    return 0;
}

}  // namespace

std::string printable_utf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = sequence_length(bytes);
        if (length == 0 || (length == 1 && is_control(static_cast<unsigned char>(bytes[0])))) {
            append_escaped_byte(text, static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
        } else {
            text.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
        }
    }
    return text;
}

std::string quoted_excerpt(std::string_view text, std::size_t max_length) {
    std::string result = "\"";
    for (const char c : text.substr(0, max_length)) {
        result.push_back(is_printable_ascii(c) ? c : '?');
    }
    if (text.size() > max_length) {
        result += "...";
    }
    return result + "\"";
}

std::string plural(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string byte_text(unsigned char byte) {
    return std::string("0x") + hex_digits[byte >> 4U] + hex_digits[byte & 0xFU];
}

}  // namespace plessard::text
