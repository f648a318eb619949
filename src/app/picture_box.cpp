#include "app/picture_box.h"

#include <QPainter>

#include <utility>

namespace plessard::app {

PictureBox::PictureBox(QImage picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // On a scaled screen each picture pixel becomes a block of whole pixels: no smoothing, so
    // the 1-pixel lines stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace plessard::app
