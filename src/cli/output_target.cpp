#include "cli/output_target.h"

namespace plessard::cli {

platform::OutputFile open_output(const std::string& name) {
    return name == "-" ? platform::OutputFile::standard_output()
                       : platform::OutputFile::create(name);
}

}  // namespace plessard::cli
