#pragma once

#include <string_view>
#include <vector>

#include <windows.h>

namespace plessard::win32 {

// The window's tool tips: one tooltip control for every control that has a hint, shown while
// the pointer rests on that control. The tooltip control belongs to the window and goes with it.
class ToolTips {
  public:
    explicit ToolTips(HWND owner);

    // The hint of a control; an empty text takes its hint away.
    void set(HWND control, std::wstring_view text);
    // The hint a control has now; empty when it has none.
    [[nodiscard]] std::wstring text(HWND control) const;

  private:
    HWND owner_;
    HWND tips_;
    std::vector<HWND> tools_;
};

}  // namespace plessard::win32
