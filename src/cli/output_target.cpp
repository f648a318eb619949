#include "cli/output_target.h"

#include <system_error>

#include "cli/command_line.h"
#include "platform/long_path.h"
#include "platform/system_text.h"

namespace plessard::cli {
namespace {

constexpr const char* being_read = " itself, the file being read";

}  // namespace

OutputTarget::OutputTarget(const std::string& name) {
    if (name != "-") {
        file_ = path_from_utf8(name);
    }
}

std::optional<std::string> OutputTarget::standard_output_over(
    const std::filesystem::path& input, const std::optional<platform::FileIdentity>& read) const {
    if (file_ || !read) {
        return std::nullopt;
    }
    const auto output = platform::SystemFile::standard_output().identity();
    if (!output || !platform::is_same_file(*output, *read)) {
        return std::nullopt;
    }
    // "> FILE" has emptied the file before the tool started: what was in it is lost already,
    // and the user had better know that from this message.
    std::error_code unknown;
    const bool emptied =
        std::filesystem::file_size(platform::system_path(input), unknown) == 0 && !unknown;
    // Not the option's fault: standard output is where the shell sent it.
    return "standard output is " + platform::path_text(input) + being_read +
           (emptied ? " (and it is empty: a redirection with \">\" empties its file before the "
                      "command starts)"
                    : "");
}

std::variant<platform::OutputFile, std::string> OutputTarget::open(
    const std::filesystem::path& input, const std::optional<platform::FileIdentity>& read) const {
    if (!file_) {
        return platform::OutputFile::standard_output();
    }
    if (auto file = platform::OutputFile::create_unless(*file_, read)) {
        return *std::move(file);
    }
    return "--output: " + platform::path_text(*file_) + " is " + platform::path_text(input) +
           being_read;
}

}  // namespace plessard::cli
