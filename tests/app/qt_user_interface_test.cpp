#include "app/qt_user_interface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace plessard::app {
namespace {

// What the box looked like while it was open.
struct SeenBox {
    bool seen = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int button_count = 0;
    Qt::WindowModality modality = Qt::NonModal;
    Qt::TextFormat format = Qt::AutoText;
};

// Shows a box through the real interface and closes it from the event loop it runs.
SeenBox show_and_close(const QString& prompt, MessageStyle style, const QString& title) {
    SeenBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = {true,
                box->text(),
                box->windowTitle(),
                box->icon(),
                box->standardButtons(),
                static_cast<int>(box->buttons().size()),
                box->windowModality(),
                box->textFormat()};
        box->button(QMessageBox::Ok)->click();
    });
    QtUserInterface ui;
    ui.message_box(prompt, style, title);
    return seen;
}

}  // namespace

class QtUserInterfaceTest : public QObject {
    Q_OBJECT

  private slots:
    void message_box_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::newRow("plain message") << int(MessageStyle::ok_only) << int(QMessageBox::NoIcon);
        QTest::newRow("file error") << int(MessageStyle::exclamation) << int(QMessageBox::Warning);
        QTest::newRow("unexpected error")
            << int(MessageStyle::critical) << int(QMessageBox::Critical);
    }
    void message_box() {
        QFETCH(int, style);
        QFETCH(int, icon);
        // Markup and an ampersand must come out exactly as they went in.
        const QString prompt = QStringLiteral("Cannot open <b>a&b</b>: \"x\"");
        const SeenBox seen =
            show_and_close(prompt, static_cast<MessageStyle>(style), QStringLiteral("Title"));
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, prompt);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.title, QStringLiteral("Title"));
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.button_count, 1);
        QCOMPARE(seen.modality, Qt::ApplicationModal);
    }

    void end_program_gives_the_status_data() {
        QTest::addColumn<int>("status");
        QTest::newRow("written") << 0;
        QTest::newRow("unexpected error") << 1;
    }
    void end_program_gives_the_status() {
        QFETCH(int, status);
        QtUserInterface ui;
        QTimer::singleShot(0, [&ui, status] { ui.end_program(status); });
        QCOMPARE(QApplication::exec(), status);
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::QtUserInterfaceTest)
#include "qt_user_interface_test.moc"
