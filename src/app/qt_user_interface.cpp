#include "app/qt_user_interface.h"

#include <QApplication>
#include <QMessageBox>

namespace plessard::app {
namespace {

QMessageBox::Icon icon_of(MessageStyle style) {
    switch (style) {
        case MessageStyle::critical:
            return QMessageBox::Critical;
        case MessageStyle::exclamation:
            return QMessageBox::Warning;
        case MessageStyle::ok_only:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtUserInterface::message_box(const QString& prompt, MessageStyle style, const QString& title) {
    QMessageBox box(icon_of(style), title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    // Error descriptions carry file names and quoted field texts: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtUserInterface::end_program(int status) {
    // The event loop returns as soon as the running handler does, and the window goes with it.
    // Closing the windows here instead would let the last-window-closed quit overwrite the
    // status with 0.
    QApplication::exit(status);
}

}  // namespace plessard::app
