#include "cli/output_target.h"

#include <system_error>

#include "platform/command_line.h"
#include "platform/message_text.h"

namespace plessard::cli {

// The name is UTF-8 text from the command line, on Windows too.
platform::OutputFile open_output(const std::string& name) {
    return name == "-" ? platform::OutputFile::standard_output()
                       : platform::OutputFile::create(platform::path_from_utf8(name));
}

std::optional<std::string> output_over_input(const std::string& output,
                                             const std::filesystem::path& input) {
    if (output == "-") {
        return std::nullopt;
    }
    const std::filesystem::path path = platform::path_from_utf8(output);
    std::error_code unknown;
    if (!std::filesystem::equivalent(path, input, unknown) || unknown) {
        return std::nullopt;
    }
    return "--output: " + platform::path_text(path) + " is " + platform::path_text(input) +
           " itself, the file being read";
}

}  // namespace plessard::cli
