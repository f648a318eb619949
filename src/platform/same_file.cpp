#include "platform/same_file.h"

#include <cstring>
#include <string>

#include "platform/long_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace plessard::platform {
namespace {

#ifdef _WIN32

// The path Windows resolves the open file to, every link followed, in capitals as Windows maps
// case; empty where the file system tells none. The NT form names a volume without a drive
// letter too.
std::wstring final_path_of(HANDLE handle) {
    constexpr DWORD form = FILE_NAME_NORMALIZED | VOLUME_NAME_NT;
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(handle, path.data(), MAX_PATH, form);
    if (length >= MAX_PATH) {  // the size wanted, its terminator included
        path.resize(length);
        length = ::GetFinalPathNameByHandleW(handle, path.data(), length, form);
    }
    if (length == 0 || length >= path.size()) {
        return {};
    }
    std::wstring capitals(length, L'\0');
    const int mapped = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, path.data(),
                                       static_cast<int>(length), capitals.data(),
                                       static_cast<int>(length), nullptr, nullptr, 0);
    return mapped == static_cast<int>(length) ? capitals : path.substr(0, length);
}

void take_index(FileIdentity& identity, HANDLE handle) {
    FILE_ID_INFO id{};
    BY_HANDLE_FILE_INFORMATION information{};
    // Where the 128-bit index is not to be had (before Windows 8, on some file systems), the
    // 64-bit one is.
    if (::GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id)) {
        identity.volume = id.VolumeSerialNumber;
        std::memcpy(identity.index.data(), id.FileId.Identifier, identity.index.size());
    } else if (::GetFileInformationByHandle(handle, &information)) {
        identity.volume = information.dwVolumeSerialNumber;
        const ULONGLONG index =
            (ULONGLONG{information.nFileIndexHigh} << 32U) | information.nFileIndexLow;
        std::memcpy(identity.index.data(), &index, sizeof index);
    }
}

void take_stamp(FileIdentity& identity, HANDLE handle) {
    FILE_BASIC_INFO basic{};
    FILE_STANDARD_INFO standard{};
    if (::GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) &&
        ::GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)) {
        identity.stamp = {standard.EndOfFile.QuadPart, basic.CreationTime.QuadPart,
                          basic.ChangeTime.QuadPart};
    }
}

}  // namespace

std::optional<FileIdentity> identity_of_open(NativeFile file) {
    if (file == nullptr || file == INVALID_HANDLE_VALUE || ::GetFileType(file) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    FileIdentity identity;
    take_index(identity, file);
    take_stamp(identity, file);
    identity.final_path = final_path_of(file);
    return identity;
}

std::optional<FileIdentity> identity_of(const std::filesystem::path& path) {
    // Only attributes asked for, and every kind of sharing allowed: looking disturbs no one,
    // and a file open for writing elsewhere is still found.
    const HANDLE handle =
        ::CreateFileW(system_path(path).c_str(), FILE_READ_ATTRIBUTES,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    auto identity = identity_of_open(handle);
    ::CloseHandle(handle);
    return identity;
}

#else

FileIdentity identity_from(const struct stat& status) {
    FileIdentity identity{static_cast<std::uint64_t>(status.st_dev), {}, {}, {}};
    const auto inode = static_cast<std::uint64_t>(status.st_ino);
    std::memcpy(identity.index.data(), &inode, sizeof inode);
    return identity;
}

}  // namespace

std::optional<FileIdentity> identity_of_open(NativeFile file) {
    struct stat status {};
    if (::fstat(file, &status) != 0) {
        return std::nullopt;
    }
    return identity_from(status);
}

std::optional<FileIdentity> identity_of(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return identity_from(status);
}

#endif

}  // namespace plessard::platform
