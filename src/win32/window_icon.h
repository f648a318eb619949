#pragma once

#include <memory>
#include <type_traits>

#include <windows.h>

namespace plessard::win32 {

// The resource number of the program's icon in either program's .rc; the first icon, which a
// file manager shows for the file.
constexpr int program_icon_id = 1;

// The program's icon on its window, loaded from the program's resources at the sizes a screen's
// resolution asks for: the small one of the caption and the large one of the task bar and
// Alt+Tab. A program without the icon (a test) keeps the system's default.
class WindowIcons {
  public:
    // Gives the window the icons for a screen's dots per inch, then destroys the ones before.
    void apply(HWND window, UINT dots_per_inch);

  private:
    // Destroys an icon that LoadImageW made (not shared).
    struct Destroy {
        void operator()(HICON icon) const noexcept { ::DestroyIcon(icon); }
    };
    using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, Destroy>;

    Icon small_;
    Icon big_;
};

}  // namespace plessard::win32
