#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/system_file.h"
#include "platform/whole_file.h"

namespace plessard::input {

// One field of a text file, as the reader of number fields sees it.
struct Field {
    enum class Kind {
        text,      // a field with text; `text` holds it
        empty,     // two commas with nothing but blanks and line ends between them
        too_long,  // more characters than the caller allows; `text` holds the first of them
        beyond,    // the field would lie past the reader's limit; bytes past it are not read
        end,       // the data ended before another field
    };
    Kind kind = Kind::end;
    std::string text;
};

// A text file read field by field. Fields are separated by commas, blanks, tabs and line ends
// (CR LF, LF or CR) in any mix; blank lines are skipped and a UTF-8 byte-order mark at the start
// is passed over. Only what the fields asked for is read, and never more than the first `limit`
// bytes (platform::read_limit unless told), so a huge file costs little whatever it holds.
class FieldReader {
  public:
    // Raises open_failed, naming the path and the cause.
    [[nodiscard]] static FieldReader open(const std::filesystem::path& path,
                                          std::size_t limit = platform::read_limit);
    // A file already open for reading, read from where it stands.
    [[nodiscard]] static FieldReader open(platform::SystemFile file,
                                          std::size_t limit = platform::read_limit);
    [[nodiscard]] static FieldReader from_memory(std::string data, std::string name,
                                                 std::size_t limit = platform::read_limit);

    // The next field, of at most max_length characters. Raises read_failed on a failing read.
    [[nodiscard]] Field next_field(std::size_t max_length);

    // The path or name given when the file was opened, for messages.
    [[nodiscard]] const std::string& name() const noexcept { return name_; }

  private:
    FieldReader(std::optional<platform::SystemFile> file, std::string data, std::string name,
                std::size_t limit);
    // The next byte, EOF at the end, or a stop past the limit; reads a chunk when needed.
    int peek_byte();
    // Passes over blanks and line ends; returns the byte after them as peek_byte does.
    int skip_separators();
    // Passes over a UTF-8 byte-order mark at the start of the data.
    void skip_byte_order_mark();

    std::optional<platform::SystemFile> file_;  // none once read to its end, or from memory
    std::string buffer_;
    std::size_t position_ = 0;
    std::size_t consumed_ = 0;  // bytes of the data before buffer_
    std::string name_;
    std::size_t limit_;
    bool started_ = false;
    bool field_open_ = false;  // a field was read and its ending comma not yet seen
};

}  // namespace plessard::input
