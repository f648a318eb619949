#include "platform/command_line.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace plessard::platform {

std::vector<std::string> utf8_arguments(int argc, const char* const* argv) {
    return {argv, argv + argc};
}

#ifdef _WIN32
namespace {

std::string utf8_from_utf16(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int wide_length = static_cast<int>(text.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide_length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide_length, result.data(), length, nullptr,
                          nullptr);
    return result;
}

}  // namespace

std::vector<std::string> utf8_arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        result.push_back(utf8_from_utf16(argv[i]));
    }
    return result;
}
#endif

std::filesystem::path path_from_utf8(std::string_view text) {
    return std::u8string(text.begin(), text.end());
}

}  // namespace plessard::platform
