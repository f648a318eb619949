#include "cli/command_line.h"

#include "platform/utf16.h"

namespace plessard::cli {

std::vector<std::string> utf8_arguments(int argc, const char* const* argv) {
    return {argv, argv + argc};
}

#ifdef _WIN32
std::vector<std::string> utf8_arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        result.push_back(platform::utf8_from_utf16(argv[i]));
    }
    return result;
}
#endif

std::filesystem::path path_from_utf8(std::string_view text) {
    return std::u8string(text.begin(), text.end());
}

}  // namespace plessard::cli
