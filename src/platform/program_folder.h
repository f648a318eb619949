#pragma once

#include <filesystem>

namespace plessard::platform {

// The folder that holds the running executable itself. A program started through a symbolic
// link, to the file or to a folder on its way, gets the folder of the real file, where it was
// installed, not the folder of the link: the files it exchanges lie beside the program, however
// it is started. Raises no_program_folder when the system cannot tell.
[[nodiscard]] std::filesystem::path program_folder();

}  // namespace plessard::platform
