#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace plessard::platform {

enum class FileAccess { read, write };

// A file as the system holds it: a descriptor (a HANDLE on Windows), closed with the object.
// Every operation that fails raises the program's error with the file's name and the system's
// cause, so no caller words those messages again.
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

    // The path as UTF-8, or "standard output": how messages name the file.
    [[nodiscard]] const std::string& name() const noexcept { return name_; }

  private:
#ifdef _WIN32
    using Native = void*;  // HANDLE
#else
    using Native = int;
#endif
    SystemFile(Native native, bool owned, std::string name) noexcept;

    Native native_;
    bool owned_;
    bool open_ = true;
    std::string name_;
};

}  // namespace plessard::platform
