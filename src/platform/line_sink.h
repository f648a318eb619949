#pragma once

#include <string>
#include <string_view>

#include "platform/interface.h"

namespace plessard::platform {

// Where record lines go: a file, standard output, or memory.
class LineSink : public Interface {
  public:
    // Writes the text and CR LF. Raises write_failed.
    virtual void print_line(std::string_view text) = 0;
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
