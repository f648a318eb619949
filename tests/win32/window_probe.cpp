// Looks at the running window from the Windows side, for the end-to-end test under wine:
//   window_probe focus [SECONDS]        the name of the control that has the focus in the window
//   window_probe box TITLE [SECONDS]    whether the message box of that title shows an icon, its
//                                       text and its buttons
// Waits up to SECONDS (default 10) for the window; prints one line a finding as UTF-8 and exits
// 0, or exits 1 when there was no such window. Which icon a box shows is the Win32 view's own
// choice and tested with it; here only whether there is one.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "form/form_layout.h"
#include "platform/utf16.h"
#include "win32/window_layout.h"
#include "win32/window_text.h"

namespace {

using plessard::platform::utf8_from_utf16;
using plessard::win32::window_text;

constexpr int default_seconds = 10;

void print(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

HWND wait_for(const wchar_t* class_name, const std::wstring& title, int seconds) {
    for (int attempt = 0;; ++attempt) {
        if (const HWND window = ::FindWindowW(class_name, title.c_str())) {
            return window;
        }
        if (attempt >= seconds * 10) {
            return nullptr;
        }
        ::Sleep(100);
    }
}

std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> children_of(HWND parent) {
    std::vector<HWND> children;
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

int focus(int seconds) {
    const std::wstring caption =
        plessard::platform::utf16_from_utf8(plessard::form::window_caption);
    const HWND window = wait_for(L"PlessardMacroIoWindow", caption, seconds);
    if (window == nullptr) {
        return 1;
    }
    // The window shows before its first control takes the focus: a moment without one is
    // waited out.
    for (int attempt = 0; attempt <= seconds * 10; ++attempt) {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) != FALSE) {
            const int id = ::GetDlgCtrlID(info.hwndFocus);
            for (std::size_t i = 0; i < plessard::form::controls.size(); ++i) {
                if (plessard::win32::control_id(i) == id) {
                    print(plessard::form::controls[i].name);
                    return 0;
                }
            }
        }
        ::Sleep(100);
    }
    print("(none)");
    return 0;
}

int box(const std::wstring& title, int seconds) {
    const HWND box_window = wait_for(L"#32770", title, seconds);
    if (box_window == nullptr) {
        return 1;
    }
    HICON icon = nullptr;
    std::vector<std::string> texts;
    std::vector<std::string> buttons;
    for (const HWND child : children_of(box_window)) {
        if (::IsWindowVisible(child) == FALSE) {
            continue;
        }
        const std::wstring kind = class_of(child);
        if (::lstrcmpiW(kind.c_str(), L"Static") == 0) {
            if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
            } else {
                texts.push_back(utf8_from_utf16(window_text(child)));
            }
        } else if (::lstrcmpiW(kind.c_str(), L"Button") == 0) {
            buttons.push_back(utf8_from_utf16(window_text(child)));
        }
    }
    print(icon != nullptr ? "icon: shown" : "icon: none");
    for (const std::string& text : texts) {
        print("text: " + text);
    }
    for (const std::string& button : buttons) {
        print("button: " + button);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    // Lines end in LF alone, as the script that reads them expects.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    const std::wstring_view command = argc > 1 ? argv[1] : L"";
    if (command == L"focus" && (argc == 2 || argc == 3)) {
        return focus(argc == 3 ? ::_wtoi(argv[2]) : default_seconds);
    }
    if (command == L"box" && (argc == 3 || argc == 4)) {
        return box(argv[2], argc == 4 ? ::_wtoi(argv[3]) : default_seconds);
    }
    std::fputs("usage: window_probe focus [SECONDS] | window_probe box TITLE [SECONDS]\n", stderr);
    return 2;
}
