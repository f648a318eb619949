#include <QApplication>
#include <QString>

#include <exception>

#include "app/qt_user_interface.h"
#include "app/startup_timing.h"
#include "app/tovik_form.h"
#include "platform/program_folder.h"

int main(int argc, char* argv[]) {
    using namespace plessard;
    QApplication application(argc, argv);
    app::QtUserInterface ui;
    // Finding the program folder or building the window can fail before any handler runs;
    // that is reported in a box too, never by a silent exit.
    try {
        app::Tovik_form form(platform::program_folder(), ui);
        report_first_paint(form);
        form.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        ui.message_box(QString::fromStdString(error.what()), app::MessageStyle::critical,
                       QString::fromLatin1(app::window_caption));
    }
    return 1;
}
