#include "text/message_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace plessard::text {
namespace {

constexpr std::string_view hex_digits = "0123456789ABCDEF";

bool is_control(std::uint32_t character) noexcept {
    return character < 0x20 || character == 0x7F;
}

// Characters that show as nothing or as a blank, or that turn the text around them: the C1
// controls, the spaces other than the blank, the zero-width and bidirectional marks, the
// fillers, the variation selectors and the tags.
struct Range {
    std::uint32_t first;
    std::uint32_t last;
};
constexpr std::array<Range, 19> unseen{{
    {0x80, 0xA0},     {0xAD, 0xAD},     {0x34F, 0x34F},     {0x61C, 0x61C},     {0x115F, 0x1160},
    {0x1680, 0x1680}, {0x17B4, 0x17B5}, {0x180B, 0x180F},   {0x2000, 0x200F},   {0x2028, 0x202F},
    {0x205F, 0x206F}, {0x3000, 0x3000}, {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
    {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFFB}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
}};

bool is_unseen(std::uint32_t character) noexcept {
    for (const Range& range : unseen) {
        if (character >= range.first && character <= range.last) {
            return true;
        }
    }
    return false;
}

void append_hex(std::string& text, std::uint32_t value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += hex_digits[(value >> static_cast<unsigned>(shift)) & 0xFU];
    }
}

void append_escaped_byte(std::string& text, unsigned char byte) {
    text += "\\x";
    append_hex(text, byte, 2);
}

void append_escaped_character(std::string& text, std::uint32_t character) {
    const bool wide = character > 0xFFFF;
    text += wide ? "\\U" : "\\u";
    append_hex(text, character, wide ? 8 : 4);
}

// The code point of a well-formed sequence of the given length.
std::uint32_t code_point(std::string_view sequence) noexcept {
    const auto first = static_cast<unsigned char>(sequence[0]);
    std::uint32_t value = sequence.size() == 1   ? first
                          : sequence.size() == 2 ? first & 0x1FU
                          : sequence.size() == 3 ? first & 0x0FU
                                                 : first & 0x07U;
    for (const char c : sequence.substr(1)) {
        value = (value << 6U) | (static_cast<unsigned char>(c) & 0x3FU);
    }
    return value;
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
        const std::uint32_t character = length == 0 ? 0 : code_point(bytes.substr(0, length));
        if (length == 0 || (length == 1 && is_control(character))) {
            append_escaped_byte(text, static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
            continue;
        }
        if (is_unseen(character)) {
            append_escaped_character(text, character);
        } else {
            text.append(bytes.substr(0, length));
        }
        bytes.remove_prefix(length);
    }
    return text;
}

std::string quoted_excerpt(std::string_view text, std::size_t max_length) {
    std::size_t cut = 0;
    while (cut < text.size()) {
        const std::size_t length = std::max<std::size_t>(sequence_length(text.substr(cut)), 1);
        if (cut + length > max_length) {
            break;
        }
        cut += length;
    }
    return "\"" + printable_utf8(text.substr(0, cut)) + (cut < text.size() ? "...\"" : "\"");
}

std::string plural(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string byte_text(unsigned char byte) {
    return std::string("0x") + hex_digits[byte >> 4U] + hex_digits[byte & 0xFU];
}

}  // namespace plessard::text
