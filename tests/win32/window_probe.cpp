// Looks at the running window from the Windows side, for the end-to-end test under wine:
//   window_probe focus NAME [SECONDS]    waits until the control NAME has the focus; prints the
//                                        control that has it at the end ("(none)" for none)
//   window_probe enabled NAME [SECONDS]  waits until the control NAME is enabled, then has the
//                                        window paint what it shows
//   window_probe box TITLE [SECONDS]     whether the message box of that title shows an icon,
//                                        its text and its buttons
// Waits up to SECONDS (default 10); prints one line a finding as UTF-8 and exits 0, or exits 1
// when the condition did not come about in that time. Which icon a box shows is the Win32
// view's own choice and tested with it; here only whether there is one.
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

// Looks until `holds` says yes or the seconds have passed, counted on the clock (a loaded
// machine makes every look slower, not the wait shorter); whether it said yes.
template <typename Look>
bool wait_until(Look holds, int seconds) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000U;
    while (!holds()) {
        if (::GetTickCount64() >= end) {
            return false;
        }
        ::Sleep(100);
    }
    return true;
}

HWND wait_for(const wchar_t* class_name, const std::wstring& title, int seconds) {
    HWND window = nullptr;
    wait_until([&] { return (window = ::FindWindowW(class_name, title.c_str())) != nullptr; },
               seconds);
    return window;
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

HWND main_window(int seconds) {
    const std::wstring caption =
        plessard::platform::utf16_from_utf8(plessard::form::window_caption);
    return wait_for(L"PlessardMacroIoWindow", caption, seconds);
}

// The place in the layout table of the control of that name, or the table's size for none.
std::size_t control_named(std::wstring_view name) {
    for (std::size_t i = 0; i < plessard::form::controls.size(); ++i) {
        if (plessard::platform::utf16_from_utf8(plessard::form::controls[i].name) == name) {
            return i;
        }
    }
    return plessard::form::controls.size();
}

// The name of the control that has the focus in the window's thread, or "(none)" while none
// of the window's controls has it (a message box's button, or the moment before the first).
std::string_view focused_control(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) != FALSE) {
        const int id = ::GetDlgCtrlID(info.hwndFocus);
        for (std::size_t i = 0; i < plessard::form::controls.size(); ++i) {
            if (plessard::win32::control_id(i) == id) {
                return plessard::form::controls[i].name;
            }
        }
    }
    return "(none)";
}

// Keys reach the window as they are handled: the focus is read until it has come where the
// keys sent so far should have taken it.
int focus(std::wstring_view expected, int seconds) {
    const HWND window = main_window(seconds);
    const std::size_t index = control_named(expected);
    if (window == nullptr || index == plessard::form::controls.size()) {
        return 1;
    }
    std::string_view seen;
    const bool reached = wait_until(
        [&] { return (seen = focused_control(window)) == plessard::form::controls[index].name; },
        seconds);
    print(seen);
    return reached ? 0 : 1;
}

int enabled(std::wstring_view name, int seconds) {
    const HWND window = main_window(seconds);
    const std::size_t index = control_named(name);
    if (window == nullptr || index == plessard::form::controls.size()) {
        return 1;
    }
    const HWND control = ::GetDlgItem(window, plessard::win32::control_id(index));
    if (!wait_until([&] { return ::IsWindowEnabled(control) != FALSE; }, seconds)) {
        return 1;
    }
    // What the click changed is painted before a picture of the window is taken.
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
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
    const int seconds = argc == 4 ? ::_wtoi(argv[3]) : default_seconds;
    if (command == L"focus" && (argc == 3 || argc == 4)) {
        return focus(argv[2], seconds);
    }
    if (command == L"enabled" && (argc == 3 || argc == 4)) {
        return enabled(argv[2], seconds);
    }
    if (command == L"box" && (argc == 3 || argc == 4)) {
        return box(argv[2], seconds);
    }
    std::fputs(
        "usage: window_probe focus|enabled NAME [SECONDS] | window_probe box TITLE [SECONDS]\n",
        stderr);
    return 2;
}
