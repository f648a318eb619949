#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace plessard::platform {

// Texts that go into error messages and reports, which a box or a terminal shows as they are.

// A path as UTF-8, whatever the system's own encoding of file names.
[[nodiscard]] std::string path_text(const std::filesystem::path& path);

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
