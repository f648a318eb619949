#include "platform/utf16.h"

#ifdef _WIN32

#include <climits>
#include <stdexcept>

#include <windows.h>

namespace plessard::platform {
namespace {

// The conversions count in int; a text longer than that is a fault of the caller, not a text.
int length_of(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long to convert");
    }
    return static_cast<int>(size);
}

}  // namespace

std::string utf8_from_utf16(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int wide_length = length_of(text.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide_length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide_length, result.data(), length, nullptr,
                          nullptr);
    return result;
}

std::wstring utf16_from_utf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int byte_length = length_of(text.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), byte_length, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), byte_length, result.data(), length);
    return result;
}

}  // namespace plessard::platform

#endif
