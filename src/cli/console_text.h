#pragma once

#ifdef _WIN32

#include <iosfwd>
#include <streambuf>
#include <string>
#include <string_view>

namespace plessard::cli {

// Text for a person on a standard stream of a Windows program. A console shows it through
// WriteConsoleW, whatever its code page (850, 1252, 932 would garble UTF-8 bytes); a file or a
// pipe gets the UTF-8 bytes. Either way every line ends in CR LF.
class ConsoleTextBuffer final : public std::streambuf {
  public:
    // Writes to the handle the system gives for which (STD_OUTPUT_HANDLE, STD_ERROR_HANDLE).
    explicit ConsoleTextBuffer(unsigned long which);
    ConsoleTextBuffer(const ConsoleTextBuffer&) = delete;
    ConsoleTextBuffer& operator=(const ConsoleTextBuffer&) = delete;
    // Hands over what is pending; a failure then goes unreported.
    ~ConsoleTextBuffer() override;

  protected:
    int_type overflow(int_type character) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    // Writes what is pending; -1 when the system refused it, with errno set to the cause.
    int sync() override;

  private:
    void append(std::string_view text);
    [[nodiscard]] bool write_console(std::string_view text);
    [[nodiscard]] bool write_bytes(std::string_view bytes);

    void* handle_;  // HANDLE
    bool console_;  // a console rather than a file or a pipe
    std::string pending_;
};

// std::cout and std::cerr through ConsoleTextBuffer for as long as it lives; the streams get
// their own buffers back afterwards.
class ConsoleText {
  public:
    ConsoleText();
    ConsoleText(const ConsoleText&) = delete;
    ConsoleText& operator=(const ConsoleText&) = delete;
    ~ConsoleText();

  private:
    ConsoleTextBuffer output_;
    ConsoleTextBuffer error_;
    std::streambuf* old_output_;
    std::streambuf* old_error_;
};

}  // namespace plessard::cli

#endif
