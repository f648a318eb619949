#include "platform/file_failure.h"

namespace plessard::platform {

std::string cannot_open(std::string_view name, FileAccess access) {
    return std::string("Cannot open ")
        .append(name)
        .append(access == FileAccess::write ? " for writing" : " for reading");
}

std::string cannot_read(std::string_view name) {
    return std::string("Cannot read ").append(name);
}

std::string cannot_write(std::string_view name) {
    return std::string("Cannot write to ").append(name);
}

std::string failure_text(std::string failure, std::string_view cause) {
    return failure.append(": ").append(cause);
}

}  // namespace plessard::platform
