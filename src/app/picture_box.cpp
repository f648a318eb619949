#include "app/picture_box.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace plessard::app {
namespace {

QImage image_of(const form::Picture& picture) {
    const QImage view(picture.bytes().data(), picture.width(), picture.height(),
                      picture.width() * 3, QImage::Format_RGB888);
    return view.copy();  // the view only borrows the bytes
}

// How many pixel rows the ink of a capital H takes in this font.
int inked_cap_height(const QFont& font) {
    QImage scratch(64, 64, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(8, 48, QStringLiteral("H"));
    }
    int rows = 0;
    for (int y = 0; y < scratch.height(); ++y) {
        for (int x = 0; x < scratch.width(); ++x) {
            if (qGray(scratch.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// The serif face at the pixel size whose inked capitals come closest to the drawing's cap height.
QFont lettering_font() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    // Full hinting puts stems and cap line on whole pixels: small lettering stays crisp, and
    // the cap height can land on exactly the rows asked for.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPixelSize(
        form::closest_lettering_size(form::lettering_cap_height, 8, 20, [&font](int size) {
            QFont candidate = font;
            candidate.setPixelSize(size);
            return inked_cap_height(candidate);
        }));
    return font;
}

}  // namespace

PictureBox::PictureBox(const form::DimensionDrawing& drawing, QWidget* parent)
    : QWidget(parent),
      pixels_(image_of(drawing.picture)),
      font_(lettering_font()),
      lettering_(drawing.lettering) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // On a scaled screen each picture pixel becomes a block of whole pixels: no smoothing, so
    // the 1-pixel lines stay sharp. The lettering is set at the screen's own resolution.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), pixels_);
    painter.setFont(font_);
    const form::Rgb ink = form::lettering_colour;
    painter.setPen(QColor(ink.red, ink.green, ink.blue));
    const QFontMetrics metrics(font_);
    for (const form::Lettering& piece : lettering_) {
        const QString text = QString::fromUtf8(piece.text.data(), qsizetype(piece.text.size()));
        const QRect inked = metrics.tightBoundingRect(text);
        const form::PixelPoint origin =
            form::lettering_origin(piece.centre_x, piece.centre_y,
                                   {inked.left(), inked.top(), inked.width(), inked.height()});
        painter.drawText(QPoint(origin.x, origin.y), text);
    }
}

}  // namespace plessard::app
