// Runs a program on a console of its own whose output code page is 850, then prints what the
// console shows, one row a line as UTF-8, blank rows and trailing blanks left out:
//   console_probe PROGRAM [ARGUMENT...]
// Exits with the program's status, or 125 when the console or the program could not be had.
#include <cstdio>
#include <string>

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "platform/utf16.h"

int wmain(int argc, wchar_t* argv[]) {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        return 125;
    }
    ::FreeConsole();
    if (::AllocConsole() == FALSE || ::SetConsoleOutputCP(850) == FALSE) {
        return 125;
    }
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE screen =
        ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      &inherited, OPEN_EXISTING, 0, nullptr);
    std::wstring command_line;
    for (int i = 1; i < argc; ++i) {
        command_line += (i > 1 ? L" \"" : L"\"") + std::wstring(argv[i]) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    PROCESS_INFORMATION process{};
    if (screen == INVALID_HANDLE_VALUE ||
        ::CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                         &startup, &process) == FALSE) {
        return 125;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 125;
    ::GetExitCodeProcess(process.hProcess, &status);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ::GetConsoleScreenBufferInfo(screen, &info);
    const auto width = static_cast<DWORD>(info.dwSize.X);
    for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
        std::wstring text(width, L' ');
        DWORD read = 0;
        ::ReadConsoleOutputCharacterW(screen, text.data(), width, COORD{0, row}, &read);
        text.erase(text.find_last_not_of(L' ') + 1);
        if (!text.empty()) {
            std::puts(plessard::platform::utf8_from_utf16(text).c_str());
        }
    }
    return static_cast<int>(status);
}
