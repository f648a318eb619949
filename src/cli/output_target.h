#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/output_file.h"

namespace plessard::cli {

// Where a command writes its output, named on the command line as UTF-8 text (on Windows too):
// "-" is standard output, any other name a file. The name becomes a path once, here.
class OutputTarget {
  public:
    explicit OutputTarget(const std::string& name);

    // Standard output, or the file created or emptied. Raises open_failed.
    [[nodiscard]] platform::OutputFile open() const;

    // The usage error of an output that is the very file the input path names, under the same
    // name, another one or a link, or of standard output redirected onto it (">> FILE"):
    // writing it would destroy what is being read. Files are compared, not names; a file that
    // does not exist yet is never the input.
    [[nodiscard]] std::optional<std::string> over_input(const std::filesystem::path& input) const;

  private:
    std::optional<std::filesystem::path> file_;  // none for standard output
};

}  // namespace plessard::cli
