#pragma once

#include <windows.h>

namespace plessard::win32 {

// Owns a GDI font: deleted with the object, never while a control still shows it (the window
// keeps its fonts until its controls are gone).
class Font {
  public:
    Font() = default;
    explicit Font(HFONT handle) noexcept : handle_(handle) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    Font(Font&& other) noexcept : handle_(other.release()) {}
    Font& operator=(Font&& other) noexcept;
    ~Font();

    [[nodiscard]] HFONT get() const noexcept { return handle_; }
    HFONT release() noexcept;

  private:
    HFONT handle_ = nullptr;
};

// The system's message font, the one dialogs use, at a screen's dots per inch.
[[nodiscard]] Font message_font(UINT dots_per_inch);

}  // namespace plessard::win32
