#include "app/picture_box.h"

#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QScreen>
#include <QTest>

#include <algorithm>

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

// Where a piece of lettering may put ink, in device pixels.
QRect lettering_area(const form::DimensionDrawing& drawing, const form::Lettering& piece) {
    const QPoint half(static_cast<int>(10 * drawing.scale), static_cast<int>(7 * drawing.scale));
    return {QPoint(piece.centre_x, piece.centre_y) - half,
            QPoint(piece.centre_x, piece.centre_y) + half};
}

bool in_lettering(const form::DimensionDrawing& drawing, int x, int y) {
    for (const form::Lettering& piece : drawing.lettering) {
        if (lettering_area(drawing, piece).contains(x, y)) {
            return true;
        }
    }
    return false;
}

}  // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT

  private slots:
    // The box shows the drawing the core made for the screen's device pixel ratio, one picture
    // pixel a device pixel; with the focus, the style's focus frame changes only the band from
    // 3 to 5 pixels inside the edges, which the drawing leaves white. Moved to a screen of
    // another ratio (where the tests run with two, of 100 and 150 %), it shows that one's.
    void shows_every_pixel_sharp_data() {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("moved");
        QTest::newRow("without the focus") << false << false;
        QTest::newRow("with the focus") << true << false;
        if (QGuiApplication::screens().size() > 1) {
            QTest::newRow("moved to the other screen") << false << true;
        }
    }
    void shows_every_pixel_sharp() {
        QFETCH(bool, focused);
        QFETCH(bool, moved);
        WindowFixture window;
        QVERIFY(window.active());
        auto* box = window.child<QWidget>("Picture1");
        if (focused) {
            box->setFocus(Qt::OtherFocusReason);
        }
        if (moved) {
            box->grab();  // painted where it first shows
            const QList<QScreen*> screens = QGuiApplication::screens();
            const QScreen* other = window.window.screen() == screens[0] ? screens[1] : screens[0];
            window.window.move(other->geometry().topLeft() + QPoint(50, 50));
            QTRY_COMPARE(box->devicePixelRatioF(), other->devicePixelRatio());
        }
        const QImage shown = shown_picture(window);
        const form::DimensionDrawing drawing = form::dimension_drawing(shown.devicePixelRatio());
        int differing = 0;
        int framed = 0;
        for (int y = 0; y < drawing.picture.height(); ++y) {
            for (int x = 0; x < drawing.picture.width(); ++x) {
                if (in_lettering(drawing, x, y)) {
                    continue;
                }
                const form::Rgb want = drawing.picture.pixel(x, y);
                const QRgb seen = shown.pixel(x, y);
                const bool differs = qRed(seen) != want.red || qGreen(seen) != want.green ||
                                     qBlue(seen) != want.blue;
                // In picture pixels from the nearest edge: the frame's band, give or take a pixel.
                const double inside = std::min({x, y, drawing.picture.width() - 1 - x,
                                                drawing.picture.height() - 1 - y}) /
                                      drawing.scale;
                (focused && inside >= 2 && inside < 6 ? framed : differing) += differs ? 1 : 0;
            }
        }
        QCOMPARE(differing, 0);
        QCOMPARE(framed > 0, focused);
    }

    // The lettering stands where the drawing placed it, with capitals about nine pixels high.
    void letters_are_nine_pixels_high() {
        WindowFixture window;
        const QImage shown = shown_picture(window);
        const form::DimensionDrawing drawing = form::dimension_drawing(shown.devicePixelRatio());
        for (const form::Lettering& piece : drawing.lettering) {
            const QRect area = lettering_area(drawing, piece);
            int top = area.bottom();
            int bottom = area.top();
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    // Ink of the lettering: dark where the drawing itself is white.
                    if (drawing.picture.pixel(x, y) == form::Rgb{255, 255, 255} &&
                        qGray(shown.pixel(x, y)) < 100) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                    }
                }
            }
            const int height = bottom - top + 1;
            QVERIFY2(std::abs(height - drawing.cap_height) <= 1,
                     qPrintable(QString::fromLatin1(piece.text.data(), 2) + ": " +
                                QString::number(height)));
            const int middle = (top + bottom) / 2;
            QVERIFY2(std::abs(middle - piece.centre_y) <= 1,
                     qPrintable(QString::fromLatin1(piece.text.data(), 2)));
        }
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::PictureBoxTest)
#include "picture_box_test.moc"
