#include "win32/window_icon.h"

namespace plessard::win32 {
namespace {

// The program's icon at size × size pixels: the image drawn for that size, or the closest one
// scaled where a screen asks for a size it was not drawn for; none when the program has no icon.
HICON load_icon(HINSTANCE instance, int size) {
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(program_icon_id), IMAGE_ICON,
                                           size, size, LR_DEFAULTCOLOR));
}

}  // namespace

void WindowIcons::apply(HWND window, UINT dots_per_inch) {
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE));
    Icon small(load_icon(instance, ::GetSystemMetricsForDpi(SM_CXSMICON, dots_per_inch)));
    Icon big(load_icon(instance, ::GetSystemMetricsForDpi(SM_CXICON, dots_per_inch)));
    if (!small || !big) {
        return;
    }
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    small_ = std::move(small);
    big_ = std::move(big);
}

}  // namespace plessard::win32
