#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_identity.h"
#include "platform/same_file.h"

namespace plessard::platform {

enum class FileAccess { read, write };

// A file as the system holds it: a descriptor (a HANDLE on Windows), closed with the object.
// Every operation that fails raises the program's error with the file's name and the system's
// cause, in the words of file_failure.h.
class SystemFile {
  public:
    // The one way a file is opened. For reading, an existing regular file from its start; for
    // writing, a new file or an existing one emptied, or a character device (/dev/null; on
    // Windows only NUL and the console). The open never waits: a FIFO, a socket or another
    // device (COM1, "aux.txt") is refused ("it is not a regular file"), and so is a file
    // another writer holds ("it is in use by another program"), which stays as that writer
    // leaves it; on Windows that holds for reading too, and for any program that holds the
    // file without sharing it. Raises open_failed: "Cannot open PATH for reading: CAUSE".
    [[nodiscard]] static SystemFile open(const std::filesystem::path& path, FileAccess access);

    // Opens for writing as open() does, unless the file opened is the one `kept` identifies
    // (the file being read). That is decided on the open file before it is locked or emptied,
    // so no renaming between a look at the name and the open can slip the kept file in; the
    // kept file is closed as it was, and none is returned. Nothing kept, nothing refused.
    [[nodiscard]] static std::optional<SystemFile> open_for_writing(
        const std::filesystem::path& path, const std::optional<FileIdentity>& kept);

    // The process's standard output, written through but never closed.
    [[nodiscard]] static SystemFile standard_output();

    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&&) = delete;
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    // Closes quietly what close() did not.
    ~SystemFile();

    // Reads up to size bytes; 0 only at the end of the file. Raises read_failed.
    [[nodiscard]] std::size_t read(char* data, std::size_t size);

    // Writes every byte, or raises write_failed.
    void write(std::string_view bytes);

    // Closes; raises close_failed when the system reports that written data was lost. Closing
    // a closed file does nothing.
    void close();

    [[nodiscard]] bool is_open() const noexcept { return open_; }

    // The identity of the open file, as the system tells it now.
    [[nodiscard]] std::optional<FileIdentity> identity() const;

    // The path as UTF-8, or "standard output": how messages name the file.
    [[nodiscard]] const std::string& name() const noexcept { return name_; }

  private:
    SystemFile(NativeFile native, bool owned, std::string name) noexcept;
    // The one way open() and open_for_writing() open; none when the file opened is `kept`.
    [[nodiscard]] static std::optional<SystemFile> open_unless(const std::filesystem::path& path,
                                                               FileAccess access,
                                                               const FileIdentity* kept);

    NativeFile native_;
    bool owned_;
    bool open_ = true;
    std::string name_;
};

}  // namespace plessard::platform
