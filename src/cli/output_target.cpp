#include "cli/output_target.h"

#include "platform/command_line.h"
#include "platform/message_text.h"
#include "platform/same_file.h"

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
    if (!file_ || !platform::is_same_file(*file_, input)) {
        return std::nullopt;
    }
    return "--output: " + platform::path_text(*file_) + " is " + platform::path_text(input) +
           " itself, the file being read";
}

}  // namespace plessard::cli
