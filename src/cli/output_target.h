#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "platform/file_identity.h"
#include "platform/output_file.h"

namespace plessard::cli {

// Where a command writes its output, named on the command line as UTF-8 text (on Windows too):
// "-" is standard output, any other name a file. The name becomes a path once, here.
//
// Writing over the input would destroy what is being read. Files are compared, not names, and
// on the open files: the input as identified while open for reading (`read`), the output as
// opened, so that another spelling, a hard or symbolic link, or a link put in place of the
// output between a look and the open is found out alike. A file that does not exist yet is
// never the input.
class OutputTarget {
  public:
    explicit OutputTarget(const std::string& name);

    // The usage error of standard output being the input, as a redirection such as ">> FILE"
    // makes it. None for a file, which open() decides on.
    [[nodiscard]] std::optional<std::string> standard_output_over(
        const std::filesystem::path& input,
        const std::optional<platform::FileIdentity>& read) const;

    // Standard output, or the file created, or emptied once found not to be the input. The
    // usage error instead when it is the input, which stays as it was. Raises open_failed.
    [[nodiscard]] std::variant<platform::OutputFile, std::string> open(
        const std::filesystem::path& input,
        const std::optional<platform::FileIdentity>& read) const;

  private:
    std::optional<std::filesystem::path> file_;  // none for standard output
};

}  // namespace plessard::cli
