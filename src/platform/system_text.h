#pragma once

#include <filesystem>
#include <string>

namespace plessard::platform {

// The system's names and words as the text of a message.

// A path as UTF-8, whatever the system's own encoding of file names. What no UTF-8 text can
// show as itself is escaped, so the user can still tell which file it is: a byte that is not
// part of well-formed UTF-8 (a folder named in Latin-1 on Linux) as \xE9, a lone UTF-16
// surrogate on Windows as \uD800, and a control character, which would garble a message, as
// \x0A.
[[nodiscard]] std::string path_text(const std::filesystem::path& path);

// The system's words for an errno value ("No such file or directory").
[[nodiscard]] std::string system_cause(int error_number);

}  // namespace plessard::platform
