#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace plessard::platform {

// Texts that go into error messages and reports, which a box or a terminal shows as they are.

// A path as UTF-8, whatever the system's own encoding of file names. What no UTF-8 text can
// show as itself is escaped, so the user can still tell which file it is: a byte that is not
// part of well-formed UTF-8 (a folder named in Latin-1 on Linux) as \xE9, a lone UTF-16
// surrogate on Windows as \uD800, and a control character, which would garble a message, as
// \x0A.
[[nodiscard]] std::string path_text(const std::filesystem::path& path);

// Bytes as the UTF-8 text path_text makes of them: well-formed UTF-8 stays as it is, every
// other byte and every control character becomes \xHH.
[[nodiscard]] std::string printable_utf8(std::string_view bytes);

// The system's words for an errno value ("No such file or directory").
[[nodiscard]] std::string system_cause(int error_number);

// At most max_length bytes of the text, quoted, every byte outside printable ASCII shown as '?'
// and "..." after a cut, so a field from a damaged file can neither garble the message nor make
// it long.
[[nodiscard]] std::string quoted_excerpt(std::string_view text, std::size_t max_length = 40);

// The count and the word for it: "1 number", "2 numbers".
[[nodiscard]] std::string plural(std::size_t count, const char* one, const char* many);

// A byte as 0xAB.
[[nodiscard]] std::string byte_text(unsigned char byte);

}  // namespace plessard::platform
