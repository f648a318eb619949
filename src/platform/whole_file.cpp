#include "platform/whole_file.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/file_failure.h"

namespace plessard::platform {

std::string read_whole_file(const std::filesystem::path& path, std::size_t max_bytes) {
    SystemFile file = SystemFile::open(path, FileAccess::read);
    return read_whole_file(file, max_bytes);
}

std::string read_whole_file(SystemFile& file, std::size_t max_bytes) {
    constexpr std::size_t chunk = 64 * 1024;
    std::string bytes;
    for (;;) {
        const std::size_t held = bytes.size();
        bytes.resize(held + std::min(chunk, max_bytes + 1 - held));
        const std::size_t got = file.read(bytes.data() + held, bytes.size() - held);
        bytes.resize(held + got);
        if (bytes.size() > max_bytes) {
            throw Error(ErrorNumber::read_failed,
                        failure_text(cannot_read(file.name()),
                                     "it is larger than " + std::to_string(max_bytes) + " bytes"));
        }
        if (got == 0) {
            return bytes;
        }
    }
}

}  // namespace plessard::platform
