#include "platform/program_folder.h"

#include <string>
#include <string_view>
#include <system_error>

#include "platform/error.h"
#include "platform/long_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace plessard::platform {

#ifdef _WIN32

namespace {

// The path the system loaded the program from, which names the link when it was started
// through one.
std::wstring module_path() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The path of the file itself, every link on the way followed, without the "\\?\" that the
// system puts before it; empty when the system cannot tell.
std::wstring real_path(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(system_path(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    constexpr DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length =
        ::GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()), flags);
    if (length >= buffer.size()) {  // too small: the length asked for counts the final zero
        buffer.resize(length);
        length = ::GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()),
                                             flags);
    }
    ::CloseHandle(file);
    if (length == 0 || length >= buffer.size()) {
        return {};
    }
    buffer.resize(length);
    constexpr std::wstring_view network = L"\\\\?\\UNC\\";
    constexpr std::wstring_view local = L"\\\\?\\";
    if (buffer.starts_with(network)) {
        return L"\\\\" + buffer.substr(network.size());
    }
    if (buffer.starts_with(local)) {
        return buffer.substr(local.size());
    }
    return buffer;
}

}  // namespace

std::filesystem::path program_folder() {
    const std::wstring loaded = module_path();
    if (loaded.empty()) {
        throw Error(ErrorNumber::no_program_folder, "Cannot find the program folder");
    }
    const std::wstring real = real_path(loaded);
    return std::filesystem::path(real.empty() ? loaded : real).parent_path();
}

#else

std::filesystem::path program_folder() {
    // The system gives the executable itself here, whatever links it was started through.
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        throw Error(ErrorNumber::no_program_folder,
                    "Cannot find the program folder: " + error.message());
    }
    return executable.parent_path();
}

#endif

}  // namespace plessard::platform
