#include "app/plain_button.h"

#include <QKeyEvent>

namespace plessard::app {

PlainButton::PlainButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
    setDefault(false);
}

void PlainButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            // A push button moves the focus with them; here they do nothing.
            event->ignore();
            return;
        default:
            QPushButton::keyPressEvent(event);
    }
}

}  // namespace plessard::app
