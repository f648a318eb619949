#include "platform/text_file.h"

#include <cerrno>
#include <system_error>
#include <utility>

#include "platform/error.h"
#include "platform/message_text.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace plessard::platform {
namespace {

constexpr std::size_t read_chunk = 4096;
constexpr std::size_t output_buffer = 64 * 1024;

std::FILE* open_c_file(const std::filesystem::path& path, bool for_output) {
#ifdef _WIN32
    return ::_wfopen(path.c_str(), for_output ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), for_output ? "wb" : "rb");
#endif
}

bool is_blank(int c) noexcept {
    return c == ' ' || c == '\t';
}
bool is_line_end(int c) noexcept {
    return c == '\r' || c == '\n';
}
bool ends_field(int c) noexcept {
    return c == EOF || c == ',' || is_blank(c) || is_line_end(c);
}

}  // namespace

void FileCloser::operator()(std::FILE* file) const noexcept {
    if (owned) {
        std::fclose(file);
    } else {
        std::fflush(file);
    }
}

// ---- InputFile ----

InputFile::InputFile(FileHandle file, std::string data, std::string name)
    : file_(std::move(file)), buffer_(std::move(data)), name_(std::move(name)) {}

InputFile InputFile::open(const std::filesystem::path& path) {
    errno = 0;
    FileHandle file(open_c_file(path, false));
    if (!file) {
        throw Error(ErrorNumber::open_failed,
                    "Cannot open " + path_text(path) + " for reading: " + system_cause(errno));
    }
    return InputFile(std::move(file), {}, path_text(path));
}

InputFile InputFile::from_memory(std::string data, std::string name) {
    return InputFile(nullptr, std::move(data), std::move(name));
}

int InputFile::peek_byte() {
    if (position_ == buffer_.size()) {
        if (!file_) {
            return EOF;
        }
        std::string chunk(read_chunk, '\0');
        errno = 0;
        const std::size_t got = std::fread(chunk.data(), 1, read_chunk, file_.get());
        if (got == 0) {
            if (std::ferror(file_.get()) != 0) {
                throw Error(ErrorNumber::read_failed,
                            "Cannot read " + name_ + ": " + system_cause(errno));
            }
            file_.reset();
            return EOF;
        }
        chunk.resize(got);
        buffer_ = std::move(chunk);
        position_ = 0;
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

int InputFile::next_byte() {
    const int c = peek_byte();
    if (c != EOF) {
        ++position_;
    }
    return c;
}

Field InputFile::next_field(std::size_t max_length) {
    if (!started_) {
        started_ = true;
        static constexpr std::string_view bom = "\xEF\xBB\xBF";
        std::size_t matched = 0;
        while (matched < bom.size() && peek_byte() == static_cast<unsigned char>(bom[matched])) {
            ++position_;
            ++matched;
        }
        if (matched != 0 && matched != bom.size()) {
            // Not a byte-order mark after all: the bytes belong to the first field.
            buffer_.erase(0, position_);
            buffer_.insert(0, bom.substr(0, matched));
            position_ = 0;
        }
    }
    int c = skip_separators();
    // The comma that ends a field may stand after blanks and line ends too; only a second
    // comma makes an empty field. It is looked for here, at the start of the next field, so
    // that nothing after the last field asked for is ever read.
    if (c == ',' && field_open_) {
        ++position_;
        field_open_ = false;
        c = skip_separators();
    }
    if (c == EOF) {
        return {Field::Kind::end, {}};
    }
    if (c == ',') {
        ++position_;
        return {Field::Kind::empty, {}};
    }
    Field field{Field::Kind::text, {}};
    while (!ends_field(peek_byte())) {
        if (field.text.size() == max_length) {
            field.kind = Field::Kind::too_long;
            return field;
        }
        field.text.push_back(static_cast<char>(next_byte()));
    }
    field_open_ = true;
    return field;
}

int InputFile::skip_separators() {
    int c = peek_byte();
    while (is_blank(c) || is_line_end(c)) {
        ++position_;
        c = peek_byte();
    }
    return c;
}

std::string read_whole_file(const std::filesystem::path& path, std::size_t max_bytes) {
    errno = 0;
    const FileHandle file(open_c_file(path, false));
    if (!file) {
        throw Error(ErrorNumber::open_failed,
                    "Cannot open " + path_text(path) + " for reading: " + system_cause(errno));
    }
    std::string bytes;
    std::string chunk(read_chunk, '\0');
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        bytes.append(chunk.data(), got);
        if (bytes.size() > max_bytes) {
            throw Error(ErrorNumber::read_failed, "Cannot read " + path_text(path) +
                                                      ": it is larger than " +
                                                      std::to_string(max_bytes) + " bytes");
        }
        if (got < chunk.size()) {
            if (std::ferror(file.get()) != 0) {
                throw Error(ErrorNumber::read_failed,
                            "Cannot read " + path_text(path) + ": " + system_cause(errno));
            }
            return bytes;
        }
    }
}

// ---- OutputFile ----

OutputFile::OutputFile(FileHandle file, std::string name)
    : file_(std::move(file)), name_(std::move(name)) {
    pending_.reserve(output_buffer + 256);
}

OutputFile OutputFile::create(const std::filesystem::path& path) {
    errno = 0;
    FileHandle file(open_c_file(path, true));
    if (!file) {
        throw Error(ErrorNumber::open_failed,
                    "Cannot open " + path_text(path) + " for writing: " + system_cause(errno));
    }
    return OutputFile(std::move(file), path_text(path));
}

OutputFile OutputFile::standard_output() {
#ifdef _WIN32
    ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
    return OutputFile(FileHandle(stdout, FileCloser{false}), "standard output");
}

OutputFile::~OutputFile() {
    // Lines written before a failure stay in the file: hand over what is pending, quietly,
    // since an error is already on its way or the owner chose not to close.
    if (file_ && !pending_.empty()) {
        std::fwrite(pending_.data(), 1, pending_.size(), file_.get());
    }
}

void OutputFile::print_line(std::string_view text) {
    if (!file_) {
        throw Error(ErrorNumber::write_failed, "Cannot write to " + name_ + ": the file is closed");
    }
    // Lines gather here and go to the system in large pieces: a whole ten-by-ten macro file
    // in one write.
    pending_.append(text).append("\r\n");
    if (pending_.size() >= output_buffer) {
        write_pending();
    }
}

void OutputFile::write_pending() {
    errno = 0;
    const bool written =
        std::fwrite(pending_.data(), 1, pending_.size(), file_.get()) == pending_.size();
    pending_.clear();
    if (!written) {
        throw Error(ErrorNumber::write_failed,
                    "Cannot write to " + name_ + ": " + system_cause(errno));
    }
}

void OutputFile::close() {
    if (!file_) {
        return;
    }
    if (!pending_.empty()) {
        try {
            write_pending();
        } catch (const Error&) {
            file_.reset();  // closed on this path too
            throw;
        }
    }
    const bool owned = file_.get_deleter().owned;
    std::FILE* file = file_.release();
    errno = 0;
    bool ok = std::fflush(file) == 0 && std::ferror(file) == 0;
    int cause = errno;
    if (owned) {
        errno = 0;
        const bool closed = std::fclose(file) == 0;
        if (ok && !closed) {
            ok = false;
            cause = errno;
        }
    }
    if (!ok) {
        throw Error(ErrorNumber::close_failed,
                    "Cannot write to " + name_ + ": " + system_cause(cause));
    }
}

// ---- TextBuffer ----

void TextBuffer::print_line(std::string_view text) {
    text_.append(text);
    text_.append("\r\n");
}

}  // namespace plessard::platform
