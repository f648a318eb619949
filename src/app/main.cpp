#include <QApplication>
#include <QString>

#include <exception>

#include "app/qt_user_interface.h"
#include "app/startup_timing.h"
#include "app/tovik_form.h"
#include "platform/program_folder.h"

int main(int /*argc*/, char* argv[]) {
    using namespace plessard;
    // The window takes no arguments, not even the toolkit's own (-style, -reverse ...): only
    // the program's name reaches it.
    int toolkit_argc = 1;
    QApplication application(toolkit_argc, argv);
    app::QtUserInterface ui;
    // Finding the program folder or building the window can fail before any handler runs;
    // that is reported in a box too, never by a silent exit.
    try {
        app::Tovik_form form(platform::program_folder(), ui);
#ifdef PLESSARD_STARTUP_REPORT
        report_first_paint(form);
#endif
        form.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        ui.message_box(QString::fromStdString(error.what()), app::MessageStyle::critical,
                       QString::fromLatin1(app::window_caption));
    }
    return 1;
}
