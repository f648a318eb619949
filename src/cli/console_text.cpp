#include "cli/console_text.h"

#ifdef _WIN32

#include <algorithm>
#include <cerrno>
#include <iostream>

#include <windows.h>

#include "platform/utf16.h"
#include "platform/windows_errno.h"

namespace plessard::cli {
namespace {

// Pending text goes to the system once it holds this much, and a console takes it in pieces
// of at most this many characters, which every version of the console host accepts.
constexpr std::size_t write_piece = 8192;

// How many bytes at the start of the text form whole UTF-8 characters: a character cut at the
// end waits for the rest of its bytes, so it is never shown as two wrong ones.
std::size_t whole_characters(std::string_view text) {
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, size); ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0U) != 0x80U) {
            // The lead byte of the last character: complete when its bytes are all there.
            const std::size_t length = byte >= 0xF0U   ? 4
                                       : byte >= 0xE0U ? 3
                                       : byte >= 0xC0U ? 2
                                                       : 1;
            return length > back ? size - back : size;
        }
    }
    return size;
}

bool failed() {
    const int number = platform::errno_from_windows(::GetLastError());
    errno = number != 0 ? number : EIO;
    return false;
}

}  // namespace

ConsoleTextBuffer::ConsoleTextBuffer(unsigned long which) : handle_(::GetStdHandle(which)) {
    DWORD mode = 0;
    console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE &&
               ::GetConsoleMode(handle_, &mode) != FALSE;
}

ConsoleTextBuffer::~ConsoleTextBuffer() {
    sync();
}

ConsoleTextBuffer::int_type ConsoleTextBuffer::overflow(int_type character) {
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
        const char byte = traits_type::to_char_type(character);
        append(std::string_view(&byte, 1));
    }
    return traits_type::not_eof(character);
}

std::streamsize ConsoleTextBuffer::xsputn(const char* text, std::streamsize count) {
    append(std::string_view(text, static_cast<std::size_t>(count)));
    return count;
}

void ConsoleTextBuffer::append(std::string_view text) {
    for (const char byte : text) {
        if (byte == '\n') {
            pending_ += '\r';
        }
        pending_ += byte;
    }
    if (pending_.size() >= write_piece) {
        sync();
    }
}

int ConsoleTextBuffer::sync() {
    const std::size_t ready = console_ ? whole_characters(pending_) : pending_.size();
    const std::string_view text(pending_.data(), ready);
    const bool written = console_ ? write_console(text) : write_bytes(text);
    // What could not be written is dropped with the failure, which the stream then reports.
    pending_.erase(0, written ? ready : pending_.size());
    return written ? 0 : -1;
}

bool ConsoleTextBuffer::write_console(std::string_view text) {
    const std::wstring wide = platform::utf16_from_utf8(text);
    std::wstring_view rest = wide;
    while (!rest.empty()) {
        DWORD written = 0;
        std::size_t piece = std::min(rest.size(), write_piece);
        // A pair of surrogates stays in one piece.
        if (piece < rest.size() && IS_HIGH_SURROGATE(rest[piece - 1])) {
            --piece;
        }
        if (::WriteConsoleW(handle_, rest.data(), static_cast<DWORD>(piece), &written, nullptr) ==
                FALSE ||
            written == 0) {
            return failed();
        }
        rest.remove_prefix(written);
    }
    return true;
}

bool ConsoleTextBuffer::write_bytes(std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30U));
        if (::WriteFile(handle_, bytes.data(), piece, &written, nullptr) == FALSE || written == 0) {
            return failed();
        }
        bytes.remove_prefix(written);
    }
    return true;
}

ConsoleText::ConsoleText()
    : output_(STD_OUTPUT_HANDLE),
      error_(STD_ERROR_HANDLE),
      old_output_(std::cout.rdbuf(&output_)),
      old_error_(std::cerr.rdbuf(&error_)) {}

ConsoleText::~ConsoleText() {
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(old_output_);
    std::cerr.rdbuf(old_error_);
}

}  // namespace plessard::cli

#endif
