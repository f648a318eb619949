#pragma once

#include <filesystem>

namespace plessard::platform {

// The form of a path that the system opens at any length. On Windows, without the system
// setting that lifts its limit of MAX_PATH (260) characters, a path that comes to that length or
// more once made absolute becomes "\\?\C:\..." (or "\\?\UNC\server\share\..."); a shorter
// path, and one already in that form, stays as it is. Elsewhere every path stays as it is.
[[nodiscard]] std::filesystem::path system_path(const std::filesystem::path& path);

}  // namespace plessard::platform
