#include "app/value_label.h"

#include <QTest>

namespace plessard::app {

class ValueLabelTest : public QObject {
    Q_OBJECT

  private slots:
    void shows_what_fits_and_says_when_it_cuts_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fits");
        QTest::newRow("a dimension") << QStringLiteral(" 10") << true;
        QTest::newRow("seven digits") << QStringLiteral(" 123456.7") << true;
        QTest::newRow("the largest single") << QStringLiteral("-3.4028235e+38") << false;
        QTest::newRow("a long run of digits") << QStringLiteral(" 1.0000001e-38 and more") << false;
    }
    void shows_what_fits_and_says_when_it_cuts() {
        QFETCH(QString, value);
        QFETCH(bool, fits);
        QWidget window;
        auto* label = new ValueLabel(&window);
        label->setGeometry(288, 64, 81, 21);  // Label1 at 96 dots per inch
        label->set_value(value);
        window.show();
        QCOMPARE(label->text(), value);
        if (fits) {
            QCOMPARE(label->shown_text(), value);
            QCOMPARE(label->toolTip(), QString());
        } else {
            const QString shown = label->shown_text();
            QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
            QVERIFY(value.startsWith(shown.chopped(1)));
            QCOMPARE(label->toolTip(), value);
        }
        // A later value that fits takes the tool tip away again.
        label->set_value(QStringLiteral(" 1"));
        QCOMPARE(label->toolTip(), QString());
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::ValueLabelTest)
#include "value_label_test.moc"
