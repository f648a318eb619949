#include "cli/output_target.h"

#include <system_error>

#include "platform/command_line.h"
#include "platform/long_path.h"
#include "platform/message_text.h"

namespace plessard::cli {

OutputTarget::OutputTarget(const std::string& name) {
    if (name != "-") {
        file_ = platform::path_from_utf8(name);
    }
}

platform::OutputFile OutputTarget::open() const {
    return file_ ? platform::OutputFile::create(*file_) : platform::OutputFile::standard_output();
}

std::optional<std::string> OutputTarget::over_input(const std::filesystem::path& input) const {
    if (!file_) {
        return std::nullopt;
    }
    std::error_code unknown;
    if (!std::filesystem::equivalent(platform::system_path(*file_), platform::system_path(input),
                                     unknown) ||
        unknown) {
        return std::nullopt;
    }
    return "--output: " + platform::path_text(*file_) + " is " + platform::path_text(input) +
           " itself, the file being read";
}

}  // namespace plessard::cli
