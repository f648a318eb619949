#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace plessard::platform {

// Windows keeps every text in UTF-16; the program keeps UTF-8. These two are the only crossings.

// A lone surrogate, which no UTF-8 text can hold, becomes U+FFFD.
[[nodiscard]] std::string utf8_from_utf16(std::wstring_view text);

// A byte that is not part of well-formed UTF-8 becomes U+FFFD.
[[nodiscard]] std::wstring utf16_from_utf8(std::string_view text);

}  // namespace plessard::platform

#endif
