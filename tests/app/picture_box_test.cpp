#include "app/picture_box.h"

#include <QImage>
#include <QRect>
#include <QTest>

#include "form/dimension_drawing.h"
#include "window_fixture.h"

namespace plessard::app {
namespace {

// Picture1 as the screen shows it, in device pixels.
QImage shown_picture(const WindowFixture& window) {
    return window.child<QWidget>("Picture1")
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Where a piece of lettering may put ink, in picture pixels.
QRect lettering_area(const form::Lettering& piece) {
    return {piece.centre_x - 10, piece.centre_y - 7, 21, 15};
}

bool in_lettering(const form::DimensionDrawing& drawing, int x, int y) {
    for (const form::Lettering& piece : drawing.lettering) {
        if (lettering_area(piece).contains(x, y)) {
            return true;
        }
    }
    return false;
}

}  // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT

  private slots:
    // Every pixel of the drawing shows unscaled from the top-left corner of the box; on a
    // scaled screen it becomes a whole block of device pixels in its own colour, never a blur.
    void shows_every_pixel_sharp() {
        WindowFixture window;
        const QImage shown = shown_picture(window);
        const form::DimensionDrawing drawing = form::dimension_drawing();
        const int scale = qRound(shown.devicePixelRatio());
        QVERIFY(scale >= 1);
        int differing = 0;
        for (int y = 0; y < form::drawing_size; ++y) {
            for (int x = 0; x < form::drawing_size; ++x) {
                if (in_lettering(drawing, x, y)) {
                    continue;
                }
                const form::Rgb want = drawing.picture.pixel(x, y);
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        const QRgb seen = shown.pixel(x * scale + dx, y * scale + dy);
                        if (qRed(seen) != want.red || qGreen(seen) != want.green ||
                            qBlue(seen) != want.blue) {
                            ++differing;
                        }
                    }
                }
            }
        }
        QCOMPARE(differing, 0);
    }

    // The lettering stands where the drawing placed it, with capitals about nine pixels high.
    void letters_are_nine_pixels_high() {
        WindowFixture window;
        const QImage shown = shown_picture(window);
        const form::DimensionDrawing drawing = form::dimension_drawing();
        const int scale = qRound(shown.devicePixelRatio());
        for (const form::Lettering& piece : drawing.lettering) {
            const QRect area = lettering_area(piece);
            int top = area.bottom() * scale;
            int bottom = area.top() * scale;
            for (int y = area.top() * scale; y <= area.bottom() * scale; ++y) {
                for (int x = area.left() * scale; x <= area.right() * scale; ++x) {
                    // Ink of the lettering: dark where the drawing itself is white.
                    if (drawing.picture.pixel(x / scale, y / scale) == form::Rgb{255, 255, 255} &&
                        qGray(shown.pixel(x, y)) < 100) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            const int height = bottom - top + 1;
            QVERIFY2(height >= 8 * scale && height <= 10 * scale,
                     qPrintable(QString::fromLatin1(piece.text.data(), 2) + ": " +
                                QString::number(height)));
            const int middle = (top + bottom) / 2;
            QVERIFY2(std::abs(middle - piece.centre_y * scale) <= scale,
                     qPrintable(QString::fromLatin1(piece.text.data(), 2)));
        }
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::PictureBoxTest)
#include "picture_box_test.moc"
