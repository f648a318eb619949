#include "app/picture_box.h"

#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QScreen>
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

// Where a piece of lettering may put ink, in device pixels.
QRect lettering_area(const form::DimensionDrawing& drawing, const form::Lettering& piece) {
    const int half_width = static_cast<int>(10 * drawing.scale);
    const int half_height = static_cast<int>(7 * drawing.scale);
    return {piece.centre_x - half_width, piece.centre_y - half_height, 2 * half_width + 1,
            2 * half_height + 1};
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
    // another ratio (where the tests run with two screens), it shows the drawing for that one.
    void shows_the_drawing_for_its_scale_data() {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("moved");
        QTest::newRow("without the focus") << false << false;
        QTest::newRow("with the focus") << true << false;
        QTest::newRow("moved to the second screen") << false << true;
    }
    void shows_the_drawing_for_its_scale() {
        QFETCH(bool, focused);
        QFETCH(bool, moved);
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (moved && screens.size() < 2) {
            QSKIP("a single screen");
        }
        WindowFixture window;
        QVERIFY(window.active());
        auto* box = window.child<QWidget>("Picture1");
        if (focused) {
            box->setFocus(Qt::OtherFocusReason);
        }
        if (moved) {
            QVERIFY(screens[0]->devicePixelRatio() != screens[1]->devicePixelRatio());
            box->grab();  // painted where it first shows
            const QScreen* other = window.window.screen() == screens[0] ? screens[1] : screens[0];
            window.window.move(other->geometry().topLeft() + QPoint(50, 50));
            QTRY_COMPARE(box->devicePixelRatioF(), other->devicePixelRatio());
        }
        const QImage shown = shown_picture(window);
        const form::DimensionDrawing drawing = form::dimension_drawing(shown.devicePixelRatio());
        // The band in device pixels, a pixel wider either side for rounding at the scale.
        const QPointF pixel(1, 1);
        const QRectF outer(QPointF(3, 3) * drawing.scale - pixel,
                           QPointF(197, 197) * drawing.scale + pixel);
        const QRectF inner(QPointF(5, 5) * drawing.scale + pixel,
                           QPointF(195, 195) * drawing.scale - pixel);
        int differing = 0;
        int framed = 0;
        for (int y = 0; y < drawing.picture.height(); ++y) {
            for (int x = 0; x < drawing.picture.width(); ++x) {
                const form::Rgb want = drawing.picture.pixel(x, y);
                const QRgb seen = shown.pixel(x, y);
                const bool same = qRed(seen) == want.red && qGreen(seen) == want.green &&
                                  qBlue(seen) == want.blue;
                const QPointF middle(x + 0.5, y + 0.5);
                if (focused && outer.contains(middle) && !inner.contains(middle)) {
                    framed += same ? 0 : 1;
                } else if (!same && !in_lettering(drawing, x, y)) {
                    ++differing;
                }
            }
        }
        QCOMPARE(differing, 0);
        QCOMPARE(framed > 0, focused);
    }

    // The lettering stands where the drawing placed it, its capitals as high as it asked.
    void letters_stand_where_the_drawing_puts_them() {
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
            const QString text = QString::fromLatin1(piece.text.data(), 2);
            QVERIFY2(std::abs(bottom - top + 1 - drawing.cap_height) <= 1,
                     qPrintable(text + ": " + QString::number(bottom - top + 1)));
            QVERIFY2(std::abs((top + bottom) / 2 - piece.centre_y) <= 1, qPrintable(text));
        }
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::PictureBoxTest)
#include "picture_box_test.moc"
