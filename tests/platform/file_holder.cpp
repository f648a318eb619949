// Holds a file as another program would while a command runs, for the tests of a file in use:
//   file_holder PATH none|read TEXT -- COMMAND...
// creates PATH with TEXT (ASCII) in it and keeps it open for writing, sharing nothing ("none":
// the host still has it) or reading ("read": the host halfway through writing it), says "held",
// runs the command on the same standard handles and says "status N" with its exit status once
// it has ended. Holding while the command runs, it needs no signal to start or to stop.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const wchar_t* command = std::wcsstr(::GetCommandLineW(), L" -- ");
    if (argc < 6 || command == nullptr) {
        return 2;
    }
    const DWORD share = std::wcscmp(argv[2], L"read") == 0 ? FILE_SHARE_READ : 0;
    const HANDLE file = ::CreateFileW(argv[1], GENERIC_WRITE, share, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::string text(argv[3], argv[3] + std::wcslen(argv[3]));
    DWORD written = 0;
    std::wstring line(command + 4);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (file == INVALID_HANDLE_VALUE ||
        !::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        std::puts("held") < 0 || std::fflush(stdout) != 0 ||
        !::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process)) {
        std::fprintf(stderr, "file_holder: cannot hold the file or start the command (%lu)\n",
                     ::GetLastError());
        return 2;
    }
    DWORD status = 0;
    if (::WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process.hProcess, &status)) {
        ::TerminateProcess(process.hProcess, 1);
        std::fputs("file_holder: the command did not end within two minutes\n", stderr);
        return 2;
    }
    std::printf("status %lu\n", status);
    return 0;  // the system closes the handles
}
