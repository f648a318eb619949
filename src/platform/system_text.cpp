#include "platform/system_text.h"

#include <system_error>

#include "text/message_text.h"
#ifdef _WIN32
#include "platform/utf16.h"
#endif

namespace plessard::platform {
namespace {

#ifdef _WIN32
constexpr std::string_view hex_digits = "0123456789ABCDEF";

bool is_high_surrogate(wchar_t unit) noexcept {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(wchar_t unit) noexcept {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Windows keeps names in UTF-16, where only a surrogate without its partner has no UTF-8: it is
// shown as \uXXXX, and every run between such surrogates as any other text is.
std::string utf16_path_text(std::wstring_view name) {
    std::string text;
    std::size_t run = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (is_high_surrogate(name[i]) && i + 1 < name.size() && is_low_surrogate(name[i + 1])) {
            ++i;
            continue;
        }
        if (!is_high_surrogate(name[i]) && !is_low_surrogate(name[i])) {
            continue;
        }
        text += text::printable_utf8(utf8_from_utf16(name.substr(run, i - run)));
        text += "\\u";
        const auto unit = static_cast<unsigned>(name[i]);
        for (int shift = 12; shift >= 0; shift -= 4) {
            text += hex_digits[(unit >> static_cast<unsigned>(shift)) & 0xFU];
        }
        run = i + 1;
    }
    return text + text::printable_utf8(utf8_from_utf16(name.substr(run)));
}
#endif

}  // namespace

std::string path_text(const std::filesystem::path& path) {
#ifdef _WIN32
    return utf16_path_text(path.native());
#else
    // POSIX names are bytes, taken as UTF-8 wherever they are well formed.
    return text::printable_utf8(path.native());
#endif
}

std::string system_cause(int error_number) {
    return error_number != 0 ? std::generic_category().message(error_number) : "unknown cause";
}

}  // namespace plessard::platform
