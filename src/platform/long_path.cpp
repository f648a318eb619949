#include "platform/long_path.h"

#ifdef _WIN32

#include <string>
#include <string_view>

#include <windows.h>

namespace plessard::platform {
namespace {

// The absolute path the system makes of the given one, "." and ".." resolved and "/" turned
// into "\": the "\\?\" form takes a path exactly as written. Empty when the system cannot.
std::wstring full_path(const std::wstring& path) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()),
                                                buffer.data(), nullptr);
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length);  // too small: the length asked for counts the final zero
    }
}

}  // namespace

std::filesystem::path system_path(const std::filesystem::path& path) {
    const std::wstring& given = path.native();
    constexpr std::wstring_view verbatim = L"\\\\?\\";
    constexpr std::wstring_view device = L"\\\\.\\";
    if (given.starts_with(verbatim) || given.starts_with(device)) {
        return path;
    }
    const std::wstring full = full_path(given);
    if (full.size() < MAX_PATH || full.starts_with(verbatim) || full.starts_with(device)) {
        return path;
    }
    if (full.starts_with(L"\\\\")) {
        return std::wstring(verbatim).append(L"UNC\\").append(full.substr(2));
    }
    return std::wstring(verbatim).append(full);
}

}  // namespace plessard::platform

#else

namespace plessard::platform {

std::filesystem::path system_path(const std::filesystem::path& path) {
    return path;
}

}  // namespace plessard::platform

#endif
