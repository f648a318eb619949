#pragma once

#include <filesystem>

namespace plessard::platform {

// Whether two paths name the very same file, compared as the system identifies files (device
// and inode; on Windows volume serial number and file index), not by their names: another
// spelling, a hard link or a symbolic link is found out. A path that names nothing is no file.
[[nodiscard]] bool is_same_file(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether the process's standard output is the very file the path names, as a redirection such
// as ">> FILE" or "1<> FILE" makes it; writing there would change the file while it is read.
[[nodiscard]] bool standard_output_is(const std::filesystem::path& file);

}  // namespace plessard::platform
