#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace plessard::platform {

// Standard output is flushed but never closed by its handle.
struct FileCloser {
    bool owned = true;
    void operator()(std::FILE* file) const noexcept;
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// One field of a text file, as the reader of number fields sees it.
struct Field {
    enum class Kind {
        text,      // a field with text; `text` holds it
        empty,     // two commas with nothing but blanks and line ends between them
        too_long,  // more characters than the caller allows; `text` holds the first of them
        end,       // the data ended before another field
    };
    Kind kind = Kind::end;
    std::string text;
};

// A text file read field by field. Fields are separated by commas, blanks, tabs and line ends
// (CR LF, LF or CR) in any mix; blank lines are skipped and a UTF-8 byte-order mark at the start
// is passed over. Only what the fields asked for is read, so a huge file costs nothing.
class InputFile {
  public:
    // Raises open_failed, naming the path and the cause.
    [[nodiscard]] static InputFile open(const std::filesystem::path& path);
    [[nodiscard]] static InputFile from_memory(std::string data, std::string name);

    // The next field, of at most max_length characters. Raises read_failed on a failing read.
    [[nodiscard]] Field next_field(std::size_t max_length);

    // The path or name given when the file was opened, for messages.
    [[nodiscard]] const std::string& name() const noexcept { return name_; }

  private:
    InputFile(FileHandle file, std::string data, std::string name);
    int next_byte();
    int peek_byte();
    int skip_separators();

    FileHandle file_;
    std::string buffer_;
    std::size_t position_ = 0;
    std::string name_;
    bool started_ = false;
    bool field_open_ = false;  // a field was read and its ending comma not yet seen
};

// The whole of a file that is read at once. A file of more than max_bytes raises read_failed
// rather than filling memory; opening or reading raise as InputFile does.
[[nodiscard]] std::string read_whole_file(const std::filesystem::path& path, std::size_t max_bytes);

// Where record lines go: a file, standard output, or memory.
class LineSink {
  public:
    LineSink() = default;
    LineSink(const LineSink&) = delete;
    LineSink& operator=(const LineSink&) = delete;
    virtual ~LineSink() = default;

    // Writes the text and CR LF. Raises write_failed.
    virtual void print_line(std::string_view text) = 0;

  protected:
    LineSink(LineSink&&) = default;
    LineSink& operator=(LineSink&&) = default;
};

// A text file written line by line, in binary mode, so every line ends in CR LF on every
// platform. A write or a close whose flush fails raises: a full disk never passes silently.
// The file is closed on every path out; the destructor closes quietly what close() did not.
class OutputFile final : public LineSink {
  public:
    // Creates or empties the file. Raises open_failed, naming the path and the cause.
    [[nodiscard]] static OutputFile create(const std::filesystem::path& path);
    // Standard output, switched to binary so that CR LF stays CR LF.
    [[nodiscard]] static OutputFile standard_output();

    OutputFile(OutputFile&&) noexcept = default;
    OutputFile& operator=(OutputFile&&) = delete;
    ~OutputFile() override;

    void print_line(std::string_view text) override;
    // Flushes and closes; raises close_failed when the data did not reach the file.
    void close();

    [[nodiscard]] const std::string& name() const noexcept { return name_; }

  private:
    OutputFile(FileHandle file, std::string name);
    void write_pending();

    FileHandle file_;
    std::string name_;
    std::string pending_;
};

// Lines kept in memory, each ended by CR LF, exactly as a file would hold them.
class TextBuffer final : public LineSink {
  public:
    void print_line(std::string_view text) override;
    [[nodiscard]] const std::string& text() const noexcept { return text_; }
    void clear() noexcept { text_.clear(); }

  private:
    std::string text_;
};

}  // namespace plessard::platform
