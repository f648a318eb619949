#include "cli/output_target.h"

#include "platform/command_line.h"

namespace plessard::cli {

// The name is UTF-8 text from the command line, on Windows too.
platform::OutputFile open_output(const std::string& name) {
    return name == "-" ? platform::OutputFile::standard_output()
                       : platform::OutputFile::create(platform::path_from_utf8(name));
}

}  // namespace plessard::cli
