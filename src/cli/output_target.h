#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/output_file.h"

namespace plessard::cli {

// Where a command writes its output: "-" is standard output, any other name a file, created or
// emptied. Raises open_failed.
[[nodiscard]] platform::OutputFile open_output(const std::string& name);

// The usage error of an output that is the very file the input path names, under the same name,
// another one or a link: writing it would destroy what is being read. Files are compared, not
// names; "-" and a file that does not exist yet are never the input.
[[nodiscard]] std::optional<std::string> output_over_input(const std::string& output,
                                                           const std::filesystem::path& input);

}  // namespace plessard::cli
