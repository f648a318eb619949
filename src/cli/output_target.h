#pragma once

#include <string>

#include "platform/output_file.h"

namespace plessard::cli {

// Where a command writes its output: "-" is standard output, any other name a file, created or
// emptied. Raises open_failed.
[[nodiscard]] platform::OutputFile open_output(const std::string& name);

}  // namespace plessard::cli
