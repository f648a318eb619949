#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/system_file.h"

namespace plessard::platform {

// The most of a file the program ever reads: far beyond any file it exchanges, small enough to
// read in a moment. Whole-file reads refuse a larger file, and the field reader looks for no
// field beyond it.
inline constexpr std::size_t read_limit = 16U * 1024U * 1024U;

// The whole of a file that is read at once. A file of more than max_bytes raises read_failed
// rather than filling memory, and no more than one byte beyond the limit is read; opening and
// reading raise as SystemFile does.
[[nodiscard]] std::string read_whole_file(const std::filesystem::path& path, std::size_t max_bytes);
// The same of a file already open for reading, from where it stands.
[[nodiscard]] std::string read_whole_file(SystemFile& file, std::size_t max_bytes);

}  // namespace plessard::platform
