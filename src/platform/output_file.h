#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/line_sink.h"
#include "platform/system_file.h"

namespace plessard::platform {

// A text file written line by line. Lines gather in one buffer and go to the system in pieces
// of output_chunk bytes and more, as they are, so every line ends in CR LF on every platform.
// A write or a close that fails raises: a full disk never passes silently. The file is closed
// on every path out; the destructor hands over what is pending and closes quietly what close()
// did not.
class OutputFile final : public LineSink {
  public:
    // The buffer goes to the system once it holds this much.
    static constexpr std::size_t output_chunk = 64 * 1024;

    // Creates or empties the file. Raises open_failed, naming the path and the cause.
    [[nodiscard]] static OutputFile create(const std::filesystem::path& path);
    // The same, unless the file opened is the one `kept` identifies: then it stays as it was,
    // and none is returned (see SystemFile::open_for_writing).
    [[nodiscard]] static std::optional<OutputFile> create_unless(
        const std::filesystem::path& path, const std::optional<FileIdentity>& kept);
    // Standard output, which is written to but never closed.
    [[nodiscard]] static OutputFile standard_output();

    OutputFile(OutputFile&&) noexcept = default;
    OutputFile& operator=(OutputFile&&) = delete;
    ~OutputFile() override;

    void print_line(std::string_view text) override;
    // Writes what is pending and closes; raises when the data did not reach the file.
    void close();

  private:
    explicit OutputFile(SystemFile file);
    void write_pending();

    SystemFile file_;
    std::string pending_;
};

}  // namespace plessard::platform
