#pragma once

#include <filesystem>
#include <optional>

#include "platform/file_identity.h"

namespace plessard::platform {

#ifdef _WIN32
using NativeFile = void*;  // a HANDLE
#else
using NativeFile = int;  // a descriptor
#endif

// The identity of the file an open descriptor refers to. On Windows only a disk file has one: a
// console, a pipe or a device is no file being read.
[[nodiscard]] std::optional<FileIdentity> identity_of_open(NativeFile file);

// The identity of the file a path names as it is looked up, none for a path that names nothing.
[[nodiscard]] std::optional<FileIdentity> identity_of(const std::filesystem::path& path);

}  // namespace plessard::platform
