#include "platform/system_file.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <string_view>
#include <utility>

#include "platform/error.h"
#include "platform/file_failure.h"
#include "platform/long_path.h"
#include "platform/system_text.h"
#include "platform/windows_errno.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
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
    const int number = errno_from_windows(code);
    return number != 0 ? system_cause(number) : "system error " + std::to_string(code);
}

#else

std::string last_cause() {
    return system_cause(errno);
}

#endif

// The failure with the system's cause, which is taken first, before building the message can
// disturb it.
[[noreturn]] void raise(ErrorNumber number, const std::string& failure) {
    const std::string cause = last_cause();
    throw Error(number, failure_text(failure, cause));
}
[[noreturn]] void raise(ErrorNumber number, std::string (*failure)(std::string_view),
                        std::string_view name) {
    const std::string cause = last_cause();
    throw Error(number, failure_text(failure(name), cause));
}

// Causes of a failed open in the program's own words, the same on every system.
[[noreturn]] void refuse_open(const std::string& failure, std::string_view cause) {
    throw Error(ErrorNumber::open_failed, failure_text(failure, cause));
}

// Whether the file just opened for writing is the one to keep.
bool is_kept(const SystemFile& file, const FileIdentity* kept) {
    if (kept == nullptr) {
        return false;
    }
    const auto identity = file.identity();
    return identity && is_same_file(*identity, *kept);
}

constexpr std::string_view not_regular = "it is not a regular file";
constexpr std::string_view in_use = "it is in use by another program";

}  // namespace

SystemFile::SystemFile(NativeFile native, bool owned, std::string name) noexcept
    : native_(native), owned_(owned), name_(std::move(name)) {}

SystemFile::SystemFile(SystemFile&& other) noexcept
    : native_(other.native_),
      owned_(other.owned_),
      open_(std::exchange(other.open_, false)),
      name_(std::move(other.name_)) {}

SystemFile SystemFile::open(const std::filesystem::path& path, FileAccess access) {
    return *open_unless(path, access, nullptr);
}

std::optional<SystemFile> SystemFile::open_for_writing(const std::filesystem::path& path,
                                                       const std::optional<FileIdentity>& kept) {
    return open_unless(path, FileAccess::write, kept ? &*kept : nullptr);
}

std::optional<FileIdentity> SystemFile::identity() const {
    return identity_of_open(native_);
}

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

namespace {

// Windows opens its null device for a last name of NUL, in any folder and with any extension
// ("nul.txt"), in any case, before a colon or trailing blanks.
bool names_null_device(const std::filesystem::path& path) {
    std::wstring stem = path.filename().wstring();
    stem.resize(std::min(stem.size(), stem.find_first_of(L".:")));
    while (!stem.empty() && stem.back() == L' ') {
        stem.pop_back();
    }
    constexpr std::wstring_view null_device = L"NUL";
    return std::equal(stem.begin(), stem.end(), null_device.begin(), null_device.end(),
                      [](wchar_t given, wchar_t upper) {
                          return (given >= L'a' && given <= L'z' ? given - L'a' + L'A' : given) ==
                                 upper;
                      });
}

}  // namespace

std::optional<SystemFile> SystemFile::open_unless(const std::filesystem::path& path,
                                                  FileAccess access, const FileIdentity* kept) {
    const bool for_output = access == FileAccess::write;
    const std::string name = path_text(path);
    const std::string what = cannot_open(name, access);
    // A file being written is shared for reading only: a second writer is refused rather than
    // interleaving its lines with ours (and is never kept waiting, which Windows cannot do
    // anyway). A file being read is shared for reading only too: one that another program is
    // still writing (the host, halfway through vb_input.txt) is refused as in use rather than
    // read half written, and read whole once that program is done.
    const HANDLE handle = ::CreateFileW(
        system_path(path).c_str(), for_output ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ,
        nullptr, for_output ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        // Windows refuses a folder as "access denied"; it is said as it is said elsewhere.
        const DWORD code = ::GetLastError();
        const DWORD attributes = ::GetFileAttributesW(system_path(path).c_str());
        if (code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            refuse_open(what, system_cause(EISDIR));
        }
        if (code == ERROR_SHARING_VIOLATION) {
            // The file to keep is held open for reading without sharing a write, so an output
            // that is that very file is refused here: it is that file, not another program's.
            // A look that asks for no access takes no share and changes nothing.
            if (const auto found = kept ? identity_of(path) : std::nullopt;
                found && is_same_file(*found, *kept)) {
                return std::nullopt;
            }
            refuse_open(what, in_use);
        }
        ::SetLastError(code);
        raise(ErrorNumber::open_failed, what);
    }
    SystemFile file(handle, true, name);
    // A disk file is what is meant. Of the devices only the null device and the console take
    // output; a pipe is refused as it is elsewhere, and so is any other device, which is what
    // "aux.txt", "COM1" or "lpt1.txt" name in every folder: a write there would go to a port
    // and leave no file behind.
    const DWORD type = ::GetFileType(handle);
    DWORD console_mode = 0;
    const bool takes_output = type == FILE_TYPE_CHAR && for_output &&
                              (names_null_device(path) || ::GetConsoleMode(handle, &console_mode));
    if (type != FILE_TYPE_DISK && !takes_output) {
        refuse_open(what, not_regular);
    }
    // Emptied only once opened for this writer alone, and found not to be the file to keep.
    if (for_output && type == FILE_TYPE_DISK) {
        if (is_kept(file, kept)) {
            return std::nullopt;
        }
        if (!::SetEndOfFile(handle)) {
            raise(ErrorNumber::open_failed, what);
        }
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
        raise(ErrorNumber::read_failed, cannot_read, name_);
    }
    return got;
}

void SystemFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30U));
        if (!::WriteFile(native_, bytes.data(), piece, &written, nullptr) || written == 0) {
            raise(ErrorNumber::write_failed, cannot_write, name_);
        }
        bytes.remove_prefix(written);
    }
}

void SystemFile::close() {
    if (!std::exchange(open_, false) || !owned_) {
        return;
    }
    if (!::CloseHandle(native_)) {
        raise(ErrorNumber::close_failed, cannot_write, name_);
    }
}

#else

namespace {

// A path the system could not open for writing without blocking (ENXIO): a FIFO or a socket
// that nobody reads, rather than a device that is not there.
bool names_fifo_or_socket(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 &&
           (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode));
}

// An exclusive lock on the whole file for as long as it is open. Only the lock's being held
// refuses the open: where the file system keeps no locks, the file is written all the same.
void lock_for_writing(int descriptor, const std::string& what) {
    for (;;) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            return;
        }
        if (errno == EWOULDBLOCK) {
            refuse_open(what, in_use);
        }
        if (errno != EINTR) {
            return;
        }
    }
}

// The descriptor of the path, opened with the flags, an interrupted open tried again; raises
// the failure `what` with its cause. A FIFO or socket that nobody serves is refused as one.
int open_descriptor(const std::filesystem::path& path, int flags, const std::string& what) {
    int descriptor = -1;
    do {
        errno = 0;
        descriptor = ::open(path.c_str(), flags, 0666);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        if (errno == ENXIO && names_fifo_or_socket(path)) {
            refuse_open(what, not_regular);
        }
        raise(ErrorNumber::open_failed, what);
    }
    return descriptor;
}

// The kind of the open file, refused unless it is read and written as files are. A character
// device takes output as a file does: /dev/null, and /dev/full to try a full disk. Anything
// else that is not a regular file (a FIFO, a socket, a device to read) could keep the program
// waiting or feed it without end.
mode_t file_kind(int descriptor, bool for_output, const std::string& what) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        raise(ErrorNumber::open_failed, what);
    }
    if (S_ISDIR(status.st_mode)) {
        refuse_open(what, system_cause(EISDIR));
    }
    if (!S_ISREG(status.st_mode) && !(for_output && S_ISCHR(status.st_mode))) {
        refuse_open(what, not_regular);
    }
    return status.st_mode;
}

}  // namespace

std::optional<SystemFile> SystemFile::open_unless(const std::filesystem::path& path,
                                                  FileAccess access, const FileIdentity* kept) {
    const bool for_output = access == FileAccess::write;
    const std::string name = path_text(path);
    const std::string what = cannot_open(name, access);
    // Without O_NONBLOCK a FIFO with nobody at its other end would keep the open waiting
    // forever, and the window with it. It is cleared again once the file is known to be one
    // that is read and written as files are.
    const int flags =
        (for_output ? O_WRONLY | O_CREAT : O_RDONLY) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    const int descriptor = open_descriptor(path, flags, what);
    SystemFile file(descriptor, true, name);
    const mode_t mode = file_kind(descriptor, for_output, what);
    const int status_flags = ::fcntl(descriptor, F_GETFL);
    if (status_flags < 0 || ::fcntl(descriptor, F_SETFL, status_flags & ~O_NONBLOCK) != 0) {
        raise(ErrorNumber::open_failed, what);
    }
    // Emptied only once found not to be the file to keep and held by this writer alone: a
    // second writer is refused before it has taken anything away, and never waits (the window
    // would stop answering while it did). Only a regular file has content to lose; a device
    // takes what comes.
    if (for_output && S_ISREG(mode)) {
        if (is_kept(file, kept)) {
            return std::nullopt;
        }
        lock_for_writing(descriptor, what);
        if (::ftruncate(descriptor, 0) != 0) {
            raise(ErrorNumber::open_failed, what);
        }
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
            raise(ErrorNumber::read_failed, cannot_read, name_);
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
            raise(ErrorNumber::write_failed, cannot_write, name_);
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
        raise(ErrorNumber::close_failed, cannot_write, name_);
    }
}

#endif

}  // namespace plessard::platform
