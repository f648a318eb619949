#include "platform/same_file.h"

#include <cstring>
#include <optional>

#include "platform/long_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plessard::platform {
namespace {

#ifdef _WIN32

// The volume's serial number and the file's index on it.
struct FileIdentity {
    ULONGLONG volume = 0;  // 0: not told (see below)
    FILE_ID_128 index{};

    // Wine tells no volume for a standard handle it makes from a POSIX descriptor (and refuses
    // it GetFileInformationByHandle); its file index still names the file.
    friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
        return std::memcmp(&a.index, &b.index, sizeof a.index) == 0 &&
               (a.volume == b.volume || a.volume == 0 || b.volume == 0);
    }
};

// Only a disk file has an identity worth comparing: a console, a pipe or a device is no file
// being read. Where the 128-bit index is not to be had (before Windows 8, on some file systems),
// the 64-bit one is.
std::optional<FileIdentity> identity_of(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE ||
        ::GetFileType(handle) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    FILE_ID_INFO id{};
    if (::GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id)) {
        return FileIdentity{id.VolumeSerialNumber, id.FileId};
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(handle, &information)) {
        return std::nullopt;
    }
    FileIdentity identity{information.dwVolumeSerialNumber, {}};
    const ULONGLONG index =
        (ULONGLONG{information.nFileIndexHigh} << 32U) | information.nFileIndexLow;
    std::memcpy(identity.index.Identifier, &index, sizeof index);
    return identity;
}

std::optional<FileIdentity> identity_of(const std::filesystem::path& path) {
    // No access asked for, and every kind of sharing allowed: looking disturbs no one, and a
    // file open for writing elsewhere is still found.
    const HANDLE handle = ::CreateFileW(
        system_path(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const auto identity = identity_of(handle);
    ::CloseHandle(handle);
    return identity;
}

std::optional<FileIdentity> identity_of_standard_output() {
    return identity_of(::GetStdHandle(STD_OUTPUT_HANDLE));
}

#else

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

std::optional<FileIdentity> identity_of(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

std::optional<FileIdentity> identity_of_standard_output() {
    struct stat status {};
    if (::fstat(STDOUT_FILENO, &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

#endif

}  // namespace

bool is_same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    const auto first = identity_of(a);
    return first && first == identity_of(b);
}

bool standard_output_is(const std::filesystem::path& file) {
    const auto output = identity_of_standard_output();
    return output && output == identity_of(file);
}

}  // namespace plessard::platform
