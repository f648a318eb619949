#include "input/field_reader.h"

#include <cstdio>
#include <utility>

namespace plessard::input {
namespace {

// Fields are short, and only the first six are wanted: a small piece of the file at a time.
constexpr std::size_t read_chunk = 4096;

// What peek_character gives for a character past the limit: as much a stop as the end of the
// text.
constexpr int beyond_limit = EOF - 1;

// Where a Windows text reader stops, wherever it stands: old editors end their files with it.
constexpr int end_of_text = 0x1A;

// What a UTF-16 text holds where no character can be read: a surrogate without its partner, or
// a last byte without the other half of its unit. Never part of a number.
constexpr int replacement = 0xFFFD;

bool is_blank(int c) noexcept {
    return c == ' ' || c == '\t';
}
bool is_line_end(int c) noexcept {
    return c == '\r' || c == '\n';
}
bool ends_field(int c) noexcept {
    return c == EOF || c == ',' || is_blank(c) || is_line_end(c);
}
bool is_high_surrogate(int unit) noexcept {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(int unit) noexcept {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A code point of U+10FFFF or below, surrogates excepted, as UTF-8.
void append_utf8(std::string& text, int code_point) {
    const auto c = static_cast<unsigned>(code_point);
    const auto byte = [&](unsigned value) { text.push_back(static_cast<char>(value)); };
    if (c < 0x80U) {
        byte(c);
    } else if (c < 0x800U) {
        byte(0xC0U | (c >> 6U));
        byte(0x80U | (c & 0x3FU));
    } else if (c < 0x10000U) {
        byte(0xE0U | (c >> 12U));
        byte(0x80U | ((c >> 6U) & 0x3FU));
        byte(0x80U | (c & 0x3FU));
    } else {
        byte(0xF0U | (c >> 18U));
        byte(0x80U | ((c >> 12U) & 0x3FU));
        byte(0x80U | ((c >> 6U) & 0x3FU));
        byte(0x80U | (c & 0x3FU));
    }
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

int FieldReader::byte_at(std::size_t ahead) {
    while (position_ + ahead >= buffer_.size()) {
        if (!file_) {
            return EOF;
        }
        std::string chunk(read_chunk, '\0');
        const std::size_t got = file_->read(chunk.data(), chunk.size());
        if (got == 0) {
            file_.reset();
            return EOF;
        }
        // What lies after the position stays: a character may begin in one chunk and end in
        // the next.
        consumed_ += position_;
        buffer_.erase(0, position_);
        buffer_.append(chunk, 0, got);
        position_ = 0;
    }
    return static_cast<unsigned char>(buffer_[position_ + ahead]);
}

int FieldReader::unit_at(std::size_t ahead) {
    const int first = byte_at(ahead);
    const int second = byte_at(ahead + 1);
    if (first == EOF || second == EOF) {
        return EOF;
    }
    const auto low = static_cast<unsigned>(encoding_ == Encoding::utf16le ? first : second);
    const auto high = static_cast<unsigned>(encoding_ == Encoding::utf16le ? second : first);
    return static_cast<int>((high << 8U) | low);
}

int FieldReader::peek_character() {
    int c = byte_at(0);
    width_ = 1;
    if (encoding_ != Encoding::bytes && c != EOF) {
        c = unit_at(0);
        width_ = 2;
        if (c == EOF) {
            c = replacement;
            width_ = 1;
        } else if (is_high_surrogate(c) && is_low_surrogate(unit_at(2))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit_at(2) - 0xDC00);
            width_ = 4;
        } else if (is_high_surrogate(c) || is_low_surrogate(c)) {
            c = replacement;
        }
    }
    if (c == EOF) {
        return EOF;
    }
    // Blanks without end (a gibibyte of them before the numbers) stop here, in a moment.
    if (consumed_ + position_ + width_ > limit_) {
        return beyond_limit;
    }
    return c == end_of_text ? EOF : c;
}

void FieldReader::skip_byte_order_mark() {
    const int first = byte_at(0);
    const int second = byte_at(1);
    if (first == 0xEF && second == 0xBB && byte_at(2) == 0xBF) {
        position_ += 3;
    } else if (first == 0xFF && second == 0xFE) {
        encoding_ = Encoding::utf16le;
        position_ += 2;
    } else if (first == 0xFE && second == 0xFF) {
        encoding_ = Encoding::utf16be;
        position_ += 2;
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
        advance();
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
        advance();
        return {Field::Kind::empty, {}};
    }
    Field field{Field::Kind::text, {}};
    std::size_t length = 0;
    for (; !ends_field(c); c = peek_character()) {
        if (c == beyond_limit) {
            field.kind = Field::Kind::beyond;
            return field;
        }
        if (length == max_length) {
            field.kind = Field::Kind::too_long;
            return field;
        }
        if (encoding_ == Encoding::bytes) {
            field.text.push_back(static_cast<char>(c));
        } else {
            append_utf8(field.text, c);
        }
        ++length;
        advance();
    }
    field_open_ = true;
    return field;
}

int FieldReader::skip_separators() {
    int c = peek_character();
    while (is_blank(c) || is_line_end(c)) {
        advance();
        c = peek_character();
    }
    return c;
}

}  // namespace plessard::input
