#include "assets/dimension_drawing.h"

#include <QColor>
#include <QImage>
#include <QTest>

#include "window_fixture.h"

namespace plessard::app {
namespace {

QImage shown_picture() {
    WindowFixture window;
    return window.child<QWidget>("Picture1")->grab().toImage();
}

}  // namespace

class DimensionDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void pixels_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        const QColor frame(127, 157, 185);
        const QColor white(255, 255, 255);
        const QColor black(0, 0, 0);
        const QColor grey(128, 128, 128);
        struct Row {
            const char* name;
            QPoint at;
            QColor colour;
        };
        const Row rows[] = {
            {"frame, top left outer", {0, 0}, frame},
            {"frame, top left inner", {1, 1}, frame},
            {"frame, right", {198, 100}, frame},
            {"frame, bottom right", {199, 199}, frame},
            {"inside the frame", {2, 2}, white},
            {"inside the frame, bottom right", {197, 197}, white},
            {"left side", {33, 100}, black},
            {"top of the upright", {60, 59}, black},
            {"right side of the upright", {91, 80}, black},
            {"top of the short leg", {120, 107}, black},
            {"right end of the short leg", {161, 130}, black},
            {"bottom", {100, 154}, black},
            {"top-left arc meets the top", {45, 59}, black},
            {"top-left arc meets the left side", {33, 71}, black},
            {"inner arc meets the upright", {91, 100}, black},
            {"inner arc meets the short leg", {98, 107}, black},
            {"bottom-right arc meets the bottom", {149, 154}, black},
            {"outside the corner of the top-left arc", {34, 60}, white},
            {"inside the part", {60, 100}, white},
            {"beside the inner corner, outside the part", {95, 103}, white},
            {"L2 dimension line", {45, 36}, grey},
            {"L2 extension line", {92, 45}, grey},
            {"L1 dimension line", {130, 167}, grey},
            {"L1 extension line", {161, 160}, grey},
            {"H1 dimension line", {18, 80}, grey},
            {"H1 extension line", {20, 154}, grey},
            {"H2 dimension line", {179, 115}, grey},
            {"H2 extension line", {170, 107}, grey},
            {"L1 line broken for its label", {97, 160}, white},
        };
        for (const Row& row : rows) {
            QTest::newRow(row.name) << row.at << row.colour;
        }
    }
    void pixels() {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        const QImage picture = shown_picture();
        QCOMPARE(QColor(picture.pixel(at)), colour);
    }

    // Shown unscaled from the top-left corner of its box.
    void shown_as_drawn() {
        const QImage drawing = assets::dimension_drawing().convertToFormat(QImage::Format_RGB32);
        const QImage shown = shown_picture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawing.size(), QSize(200, 200));
        QCOMPARE(shown.copy(0, 0, 200, 200), drawing);
    }

    // The label of a dimension line stands in its gap, with capitals about 9 pixels high.
    void label_height_data() {
        QTest::addColumn<QRect>("area");
        QTest::newRow("L1") << QRect(80, 158, 35, 19);
        QTest::newRow("H2") << QRect(165, 120, 30, 22);
    }
    void label_height() {
        QFETCH(QRect, area);
        const QImage drawing = assets::dimension_drawing();
        int top = area.bottom();
        int bottom = area.top();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qGray(drawing.pixel(x, y)) < 100) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        const int height = bottom - top + 1;
        QVERIFY2(height >= 8 && height <= 10, qPrintable(QString::number(height)));
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::DimensionDrawingTest)
#include "dimension_drawing_test.moc"
