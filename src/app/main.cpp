#include <QApplication>

#include <exception>

#include "app/qt_form_view.h"
#include "app/startup_timing.h"
#include "form/tovik_form.h"
#include "platform/program_folder.h"

int main(int /*argc*/, char* argv[]) {
    using namespace plessard;
    // The window takes no arguments, not even the toolkit's own (-style, -reverse ...): only
    // the program's name reaches it.
    int toolkit_argc = 1;
    QApplication application(toolkit_argc, argv);
    app::QtFormView window;
    // Finding the program folder or loading the form can fail before any handler runs; that is
    // reported in a box too, never by a silent exit.
    try {
        form::Tovik_form form(platform::program_folder(), window);
        window.connect_clicks(form);
        form.Form_Load();
#ifdef PLESSARD_STARTUP_REPORT
        app::report_first_paint(window);
#endif
        window.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        form::show_fault(window, error.what());
    }
    return 1;
}
