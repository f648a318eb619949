// Holds a file as another program would while a command runs, for the tests of a file in use:
//   file_holder PATH none|read TEXT -- COMMAND...
// creates PATH with TEXT in it and keeps it open for writing, sharing nothing ("none": the host
// still has it) or reading ("read": the host halfway through writing it), says "held", runs the
// command and says "status N" with its exit status once it has ended. Holding while it runs,
// the holder needs no signal to start or to stop.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const wchar_t* command = std::wcsstr(::GetCommandLineW(), L" -- ");
    if (argc < 6 || command == nullptr) {
        std::fputs("usage: file_holder PATH none|read TEXT -- COMMAND...\n", stderr);
        return 2;
    }
    const DWORD share = std::wcscmp(argv[2], L"read") == 0 ? FILE_SHARE_READ : 0;
    const HANDLE file = ::CreateFileW(argv[1], GENERIC_WRITE, share, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string text;  // ASCII only
    for (const wchar_t* c = argv[3]; *c != L'\0'; ++c) {
        text.push_back(static_cast<char>(*c));
    }
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) {
        std::fprintf(stderr, "file_holder: cannot write the file (%lu)\n", ::GetLastError());
        return 2;
    }
    std::puts("held");
    std::fflush(stdout);
    // The command's own output goes where the holder's goes.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring line(command + 4);
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process)) {
        std::fprintf(stderr, "file_holder: cannot start the command (%lu)\n", ::GetLastError());
        return 2;
    }
    DWORD status = 0;
    if (::WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process.hProcess, &status)) {
        std::fputs("file_holder: the command did not end within two minutes\n", stderr);
        ::TerminateProcess(process.hProcess, 1);
        return 2;
    }
    std::printf("status %lu\n", status);
    return 0;  // the system closes the handles
}
