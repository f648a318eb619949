#include "cli/output_target.h"

#include <system_error>

#include "cli/command_line.h"
#include "platform/long_path.h"
#include "platform/same_file.h"
#include "platform/system_text.h"

namespace plessard::cli {

OutputTarget::OutputTarget(const std::string& name) {
    if (name != "-") {
        file_ = path_from_utf8(name);
    }
}

platform::OutputFile OutputTarget::open() const {
    return file_ ? platform::OutputFile::create(*file_) : platform::OutputFile::standard_output();
}

std::optional<std::string> OutputTarget::over_input(const std::filesystem::path& input) const {
    const std::string read = " itself, the file being read";
    if (file_) {
        if (!platform::is_same_file(*file_, input)) {
            return std::nullopt;
        }
        return "--output: " + platform::path_text(*file_) + " is " + platform::path_text(input) +
               read;
    }
    if (!platform::standard_output_is(input)) {
        return std::nullopt;
    }
    // "> FILE" has emptied the file before the tool started: what was in it is lost already,
    // and the user had better know that from this message.
    std::error_code unknown;
    const bool emptied =
        std::filesystem::file_size(platform::system_path(input), unknown) == 0 && !unknown;
    // Not the option's fault: standard output is where the shell sent it.
    return "standard output is " + platform::path_text(input) + read +
           (emptied ? " (and it is empty: a redirection with \">\" empties its file before the "
                      "command starts)"
                    : "");
}

}  // namespace plessard::cli
