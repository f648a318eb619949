#include <exception>

#include <windows.h>

#include <commctrl.h>

#include "form/form_layout.h"
#include "form/tovik_form.h"
#include "platform/program_folder.h"
#include "win32/message_box.h"
#include "win32/win32_form_view.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show*/) {
    using namespace plessard;
    INITCOMMONCONTROLSEX common_controls{};
    common_controls.dwSize = sizeof(common_controls);
    common_controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&common_controls);
    // Creating the window, finding the program folder or loading the form can fail before any
    // handler runs; that is reported in a box too, never by a silent exit.
    try {
        win32::Win32FormView window(instance);
        try {
            form::Tovik_form form(platform::program_folder(), window);
            window.connect_clicks(form);
            form.Form_Load();
            return window.run();
        } catch (const std::exception& error) {
            form::show_fault(window, error.what());
        }
    } catch (const std::exception& error) {
        try {
            win32::show_message_box(nullptr, error.what(), form::MessageStyle::critical,
                                    form::window_caption);
        } catch (const std::exception&) {
            // Not even a box: the status is all that is left.
        }
    }
    return 1;
}
