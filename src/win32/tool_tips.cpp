#include "win32/tool_tips.h"

#include <algorithm>
#include <string>

#include <commctrl.h>

namespace plessard::win32 {
namespace {

TOOLINFOW tool_of(HWND owner, HWND control) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    // The tooltip control watches the control's own mouse messages; no forwarding needed.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

}  // namespace

ToolTips::ToolTips(HWND owner)
    : owner_(owner),
      tips_(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr)) {}

void ToolTips::set(HWND control, std::wstring_view text) {
    if (tips_ == nullptr) {
        return;
    }
    std::wstring copy(text);
    TOOLINFOW tool = tool_of(owner_, control);
    tool.lpszText = copy.data();
    const auto known = std::find(tools_.begin(), tools_.end(), control);
    if (copy.empty()) {
        if (known != tools_.end()) {
            ::SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            tools_.erase(known);
        }
    } else if (known != tools_.end()) {
        ::SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (::SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE) {
        tools_.push_back(control);
    }
}

std::wstring ToolTips::text(HWND control) const {
    if (tips_ == nullptr || std::find(tools_.begin(), tools_.end(), control) == tools_.end()) {
        return {};
    }
    // TTM_GETTEXTW has no way to ask for the length; a hint is a line, a value at most a few
    // dozen characters.
    std::wstring buffer(1024, L'\0');
    TOOLINFOW tool = tool_of(owner_, control);
    tool.lpszText = buffer.data();
    ::SendMessageW(tips_, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&tool));
    buffer.resize(std::wstring_view(buffer.c_str()).size());
    return buffer;
}

}  // namespace plessard::win32
