#include "app/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <cstdint>
#include <span>
#include <utility>

#include "form/dimension_drawing.h"
#include "form/lettering.h"

namespace plessard::app {
namespace {

QImage image_of(const form::Picture& picture) {
    const QImage view(picture.bytes().data(), picture.width(), picture.height(),
                      picture.width() * 3, QImage::Format_RGB888);
    return view.copy();  // the view only borrows the bytes
}

// How many pixel rows the ink of a capital H takes in this font.
int inked_cap_height(const QFont& font) {
    constexpr int side = 64;
    QImage scratch(side, side, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(8, 48, QStringLiteral("H"));
    }
    // Rows of 32-bit pixels need no padding: the image's bits are its rows one after another.
    const std::span<const std::uint32_t> pixels(
        reinterpret_cast<const std::uint32_t*>(scratch.constBits()), side * side);
    return form::ink_extent(pixels, side).height;
}

// The serif face at the pixel size whose inked capitals come closest to cap_height pixels.
QFont lettering_font(int cap_height) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    // Full hinting puts stems and cap line on whole pixels: small lettering stays crisp, and
    // the cap height can land on exactly the rows asked for.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPixelSize(form::lettering_size(cap_height, [&font](int size) {
        QFont candidate = font;
        candidate.setPixelSize(size);
        return inked_cap_height(candidate);
    }));
    return font;
}

// A screen reader hears the picture as an image, not as an empty pane.
QAccessibleInterface* accessible_picture(const QString& /*class_name*/, QObject* object) {
    auto* box = dynamic_cast<PictureBox*>(object);
    return box != nullptr ? new QAccessibleWidget(box, QAccessible::Graphic) : nullptr;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(&accessible_picture), true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::render(qreal ratio) {
    const form::DimensionDrawing drawing = form::dimension_drawing(ratio);
    QImage image = image_of(drawing.picture);
    const QFont font = lettering_font(drawing.cap_height);
    {
        // Set on the drawing's own device pixels, where the core placed it.
        QPainter painter(&image);
        painter.setFont(font);
        const form::Rgb ink = form::lettering_colour;
        painter.setPen(QColor(ink.red, ink.green, ink.blue));
        const QFontMetrics metrics(font);
        for (const form::Lettering& piece : drawing.lettering) {
            const QString text = QString::fromUtf8(piece.text.data(), qsizetype(piece.text.size()));
            const QRect inked = metrics.tightBoundingRect(text);
            const form::PixelPoint origin =
                form::lettering_origin(piece.centre_x, piece.centre_y,
                                       {inked.left(), inked.top(), inked.width(), inked.height()});
            painter.drawText(QPoint(origin.x, origin.y), text);
        }
    }
    // One image pixel a device pixel: the picture is neither stretched nor blurred.
    image.setDevicePixelRatio(ratio);
    shown_ = std::move(image);
    ratio_ = ratio;
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    // Asked at every paint, so a move to a screen of another ratio draws the picture anew.
    const qreal ratio = devicePixelRatioF();
    if (ratio != ratio_) {
        render(ratio);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPointF(0, 0), shown_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        // Shown however the focus came, for the keyboard user who comes back to the window.
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.backgroundColor = Qt::white;
        constexpr int inset = form::focus_frame_inset;
        constexpr int band = form::focus_frame_band;
        const int side = form::drawing_size - 2 * inset;
        focus.rect = QRect(inset, inset, side, side);
        // Whatever the style paints stays in the band, off the drawing's ink.
        painter.setClipRegion(
            QRegion(focus.rect).subtracted(QRegion(focus.rect.adjusted(band, band, -band, -band))));
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace plessard::app
