#include "input/field_reader.h"

#include <cstdio>
#include <string_view>
#include <utility>

namespace plessard::input {
namespace {

// Fields are short, and only the first six are wanted: a small piece of the file at a time.
constexpr std::size_t read_chunk = 4096;

// What peek_byte gives for a byte past the limit: as much a stop as the end of the data.
constexpr int beyond_limit = EOF - 1;

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

FieldReader::FieldReader(std::optional<platform::SystemFile> file, std::string data,
                         std::string name, std::size_t limit)
    : file_(std::move(file)), buffer_(std::move(data)), name_(std::move(name)), limit_(limit) {}

FieldReader FieldReader::open(const std::filesystem::path& path, std::size_t limit) {
    return open(platform::SystemFile::open(path, platform::FileAccess::read), limit);
}

FieldReader FieldReader::open(platform::SystemFile file, std::size_t limit) {
    std::string name = file.name();
    return FieldReader(std::move(file), {}, std::move(name), limit);
}

FieldReader FieldReader::from_memory(std::string data, std::string name, std::size_t limit) {
    return FieldReader(std::nullopt, std::move(data), std::move(name), limit);
}

int FieldReader::peek_byte() {
    if (position_ == buffer_.size()) {
        if (!file_) {
            return EOF;
        }
        std::string chunk(read_chunk, '\0');
        const std::size_t got = file_->read(chunk.data(), chunk.size());
        if (got == 0) {
            file_.reset();
            return EOF;
        }
        chunk.resize(got);
        consumed_ += buffer_.size();
        buffer_ = std::move(chunk);
        position_ = 0;
    }
    // Blanks without end (a gibibyte of them before the numbers) stop here, in a moment.
    if (consumed_ + position_ >= limit_) {
        return beyond_limit;
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

void FieldReader::skip_byte_order_mark() {
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

Field FieldReader::next_field(std::size_t max_length) {
    if (!started_) {
        started_ = true;
        skip_byte_order_mark();
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
    if (c == beyond_limit) {
        return {Field::Kind::beyond, {}};
    }
    if (c == ',') {
        ++position_;
        return {Field::Kind::empty, {}};
    }
    Field field{Field::Kind::text, {}};
    for (c = peek_byte(); !ends_field(c); c = peek_byte()) {
        if (c == beyond_limit) {
            field.kind = Field::Kind::beyond;
            return field;
        }
        if (field.text.size() == max_length) {
            field.kind = Field::Kind::too_long;
            return field;
        }
        field.text.push_back(static_cast<char>(c));
        ++position_;
    }
    field_open_ = true;
    return field;
}

int FieldReader::skip_separators() {
    int c = peek_byte();
    while (is_blank(c) || is_line_end(c)) {
        ++position_;
        c = peek_byte();
    }
    return c;
}

}  // namespace plessard::input
