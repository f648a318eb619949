#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/system_file.h"
#include "platform/whole_file.h"

namespace plessard::input {

// One field of a text file, as the reader of number fields sees it. Its text is the file's own
// bytes, or UTF-8 for a file in UTF-16.
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
// (CR LF, LF or CR) in any mix; blank lines are skipped. The text is the file as Windows editors
// save it: a UTF-8 byte-order mark at the start is passed over, one of UTF-16 (LE or BE, as an
// editor's "Unicode" gives) makes the rest UTF-16, and a Ctrl+Z ends the text as it ends it for
// the system's own text readers. Without a mark the text is bytes, taken as they are. Only what
// the fields asked for is read, and never more than the first `limit` bytes of the file
// (platform::read_limit unless told), so a huge file costs little whatever it holds.
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

    // The next field, of at most max_length characters (bytes unless the text is UTF-16).
    // Raises read_failed on a failing read.
    [[nodiscard]] Field next_field(std::size_t max_length);

    // The path or name given when the file was opened, for messages.
    [[nodiscard]] const std::string& name() const noexcept { return name_; }

  private:
    FieldReader(std::optional<platform::SystemFile> file, std::string data, std::string name,
                std::size_t limit);
    enum class Encoding { bytes, utf16le, utf16be };

    // The byte `ahead` bytes after the position, or EOF; reads chunks as needed.
    int byte_at(std::size_t ahead);
    // The UTF-16 code unit `ahead` bytes after the position, or EOF where it is not whole.
    int unit_at(std::size_t ahead);
    // The character at the position (a byte, or a code point of UTF-16), EOF at the end of the
    // text, or a stop for one that ends past the limit. Sets the width that advance() passes.
    int peek_character();
    void advance() noexcept { position_ += width_; }
    // Passes over blanks and line ends; returns the character after them as peek_character.
    int skip_separators();
    // Passes over a byte-order mark at the start of the data and takes the encoding it names.
    void skip_byte_order_mark();

    std::optional<platform::SystemFile> file_;  // none once read to its end, or from memory
    std::string buffer_;
    std::size_t position_ = 0;
    std::size_t consumed_ = 0;  // bytes of the data before buffer_
    std::size_t width_ = 0;     // bytes of the character peek_character gave last
    std::string name_;
    std::size_t limit_;
    Encoding encoding_ = Encoding::bytes;
    bool started_ = false;
    bool field_open_ = false;  // a field was read and its ending comma not yet seen
};

}  // namespace plessard::input
