#pragma once

#include <filesystem>

namespace plessard::platform {

// The folder of the running executable. Raises no_program_folder when the system cannot tell.
[[nodiscard]] std::filesystem::path program_folder();

}  // namespace plessard::platform
