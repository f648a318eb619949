#include "platform/program_folder.h"

#include <string>
#include <system_error>

#include "platform/error.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace plessard::platform {

std::filesystem::path program_folder() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            break;
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
    throw Error(ErrorNumber::no_program_folder, "Cannot find the program folder");
#else
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        throw Error(ErrorNumber::no_program_folder,
                    "Cannot find the program folder: " + error.message());
    }
    return executable.parent_path();
#endif
}

}  // namespace plessard::platform
