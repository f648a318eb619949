#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

#include "app/startup_timing.h"
#include "form/form_layout.h"

// The floor the program's start-up is held against: a Qt window of the program's size and
// caption, reporting its first paint the way the measuring build does. Empty, it pays for no
// font and no style; with --text it shows its caption in a label, as the least window with text
// does.
int main(int argc, char* argv[]) {
    using namespace plessard;
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    int toolkit_argc = 1;
    QApplication application(toolkit_argc, argv);
    const QString caption = QString::fromUtf8(form::window_caption.data(),
                                              static_cast<qsizetype>(form::window_caption.size()));
    QWidget window;
    window.setWindowTitle(caption);
    window.setFixedSize(form::twips_to_pixels(form::client_width),
                        form::twips_to_pixels(form::client_height));
    if (text) {
        new QLabel(caption, &window);
    }
    app::report_first_paint(window);
    window.show();
    return QApplication::exec();
}
