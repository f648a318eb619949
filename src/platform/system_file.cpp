#include "platform/system_file.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>
#include <utility>

#include "platform/error.h"
#include "platform/message_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plessard::platform {
namespace {

#ifdef _WIN32

// The cause of the last failing call in the words the POSIX build uses for the same case, so
// that a message reads alike on every system.
std::string last_cause() {
    const DWORD code = ::GetLastError();
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return system_cause(ENOENT);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return system_cause(EACCES);
        case ERROR_WRITE_PROTECT:
            return system_cause(EROFS);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return system_cause(ENOSPC);
        case ERROR_FILENAME_EXCED_RANGE:
            return system_cause(ENAMETOOLONG);
        case ERROR_INVALID_NAME:
            return system_cause(EINVAL);
        case ERROR_INVALID_HANDLE:
            return system_cause(EBADF);
        case ERROR_BROKEN_PIPE:
        case ERROR_NO_DATA:
            return system_cause(EPIPE);
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return system_cause(ENOMEM);
        default:
            return "system error " + std::to_string(code);
    }
}

#else

std::string last_cause() {
    return system_cause(errno);
}

#endif

// The cause is taken first, before building the message can disturb it.
[[noreturn]] void raise(ErrorNumber number, std::string_view what, std::string_view name = {}) {
    const std::string cause = last_cause();
    throw Error(number, std::string(what).append(name).append(": ").append(cause));
}

}  // namespace

SystemFile::SystemFile(Native native, bool owned, std::string name) noexcept
    : native_(native), owned_(owned), name_(std::move(name)) {}

SystemFile::SystemFile(SystemFile&& other) noexcept
    : native_(other.native_),
      owned_(other.owned_),
      open_(std::exchange(other.open_, false)),
      name_(std::move(other.name_)) {}

SystemFile::~SystemFile() {
    if (open_ && owned_) {
#ifdef _WIN32
        ::CloseHandle(native_);
#else
        ::close(native_);
#endif
    }
}

#ifdef _WIN32

SystemFile SystemFile::open(const std::filesystem::path& path, FileAccess access) {
    const bool for_output = access == FileAccess::write;
    const std::string what =
        "Cannot open " + path_text(path) + (for_output ? " for writing" : " for reading");
    // Others may read and write the file meanwhile, as with any file the runtime opens.
    const HANDLE handle = ::CreateFileW(
        path.c_str(), for_output ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, for_output ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // Windows refuses a folder as "access denied"; it is said as it is said elsewhere.
        const DWORD code = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            throw Error(ErrorNumber::open_failed, what + ": " + system_cause(EISDIR));
        }
        ::SetLastError(code);
        raise(ErrorNumber::open_failed, what);
    }
    SystemFile file(handle, true, path_text(path));
    // Emptied only once opened, so that anything to settle before the old content goes (a
    // lock, a check of what the path names) fits in between.
    if (for_output && ::GetFileType(handle) == FILE_TYPE_DISK && !::SetEndOfFile(handle)) {
        raise(ErrorNumber::open_failed, what);
    }
    return file;
}

SystemFile SystemFile::standard_output() {
    // A handle writes bytes as they are: CR LF stays CR LF.
    return SystemFile(::GetStdHandle(STD_OUTPUT_HANDLE), false, "standard output");
}

std::size_t SystemFile::read(char* data, std::size_t size) {
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1U << 30U));
    if (!::ReadFile(native_, data, wanted, &got, nullptr)) {
        if (::GetLastError() == ERROR_BROKEN_PIPE) {
            return 0;  // the writing end of a pipe has closed: the end of the data
        }
        raise(ErrorNumber::read_failed, "Cannot read ", name_);
    }
    return got;
}

void SystemFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30U));
        if (!::WriteFile(native_, bytes.data(), piece, &written, nullptr) || written == 0) {
            raise(ErrorNumber::write_failed, "Cannot write to ", name_);
        }
        bytes.remove_prefix(written);
    }
}

void SystemFile::close() {
    if (!std::exchange(open_, false) || !owned_) {
        return;
    }
    if (!::CloseHandle(native_)) {
        raise(ErrorNumber::close_failed, "Cannot write to ", name_);
    }
}

#else

SystemFile SystemFile::open(const std::filesystem::path& path, FileAccess access) {
    const bool for_output = access == FileAccess::write;
    const std::string what =
        "Cannot open " + path_text(path) + (for_output ? " for writing" : " for reading");
    const int flags = for_output ? O_WRONLY | O_CREAT | O_CLOEXEC : O_RDONLY | O_CLOEXEC;
    int descriptor = -1;
    do {
        errno = 0;
        descriptor = ::open(path.c_str(), flags, 0666);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        raise(ErrorNumber::open_failed, what);
    }
    SystemFile file(descriptor, true, path_text(path));
    // Emptied only once opened, so that anything to settle before the old content goes (a
    // lock, a check of what the path names) fits in between. Only a regular file has content
    // to lose; a device or a pipe takes what comes.
    struct stat status {};
    if (for_output && (::fstat(descriptor, &status) != 0 ||
                       (S_ISREG(status.st_mode) && ::ftruncate(descriptor, 0) != 0))) {
        raise(ErrorNumber::open_failed, what);
    }
    return file;
}

SystemFile SystemFile::standard_output() {
    return SystemFile(STDOUT_FILENO, false, "standard output");
}

std::size_t SystemFile::read(char* data, std::size_t size) {
    for (;;) {
        errno = 0;
        const ssize_t got = ::read(native_, data, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            raise(ErrorNumber::read_failed, "Cannot read ", name_);
        }
    }
}

void SystemFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written = ::write(native_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written == 0 || errno != EINTR) {
            raise(ErrorNumber::write_failed, "Cannot write to ", name_);
        }
    }
}

void SystemFile::close() {
    if (!std::exchange(open_, false) || !owned_) {
        return;
    }
    errno = 0;
    // After EINTR the descriptor is closed all the same; only another cause means lost data.
    if (::close(native_) != 0 && errno != EINTR) {
        raise(ErrorNumber::close_failed, "Cannot write to ", name_);
    }
}

#endif

}  // namespace plessard::platform
