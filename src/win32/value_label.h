#pragma once

#include <string_view>

#include <windows.h>

#include "win32/tool_tips.h"

namespace plessard::win32 {

// A value label is a static control that cuts a text too wide for it with "…" (SS_ENDELLIPSIS).
// Its text stays the whole value; when the value is cut, its tool tip shows it whole.

// Whether the label's font sets the whole text inside its client area.
[[nodiscard]] bool text_fits(HWND label, std::wstring_view text);

// Shows the value and gives the label the tool tip it then needs.
void set_value(HWND label, ToolTips& tips, std::wstring_view value);

// After the label's size or font changed: the tool tip its current text needs now.
void refresh_value_tip(HWND label, ToolTips& tips);

}  // namespace plessard::win32
