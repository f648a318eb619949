#include "platform/message_text.h"

#include <system_error>

#include "platform/ascii.h"

namespace plessard::platform {

std::string path_text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string system_cause(int error_number) {
    return error_number != 0 ? std::generic_category().message(error_number) : "unknown cause";
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
    constexpr std::string_view hex = "0123456789ABCDEF";
    return std::string("0x") + hex[byte >> 4U] + hex[byte & 0xFU];
}

}  // namespace plessard::platform
