#include "app/qt_form_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include "params/parameter_rules.h"
#include "window_fixture.h"

namespace plessard::app {
namespace {

// The part of the worked example, in the layout the host writes.
const QByteArray example_input = "10, 4\r\n8, 3\r\n1, 0.5\r\n";

QString focus_name() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(none)");
}

QByteArray golden(const char* name) {
    QFile in(QStringLiteral(PLESSARD_TEST_DATA "/") + QString::fromLatin1(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// What a real box looked like while it was open.
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

// Closes the next box from the event loop it runs, and tells what it showed.
void close_next_box(SeenBox& seen) {
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
}

}  // namespace

class QtFormViewTest : public QObject {
    Q_OBJECT

  private slots:
    void start_state() {
        WindowFixture window;
        QVERIFY(window.active());
        QCOMPARE(window.window.windowTitle(), QStringLiteral("Plessard Macro File IO Example"));
        QCOMPARE(window.window.size(), QSize(523, 248));
        QCOMPARE(window.text("Text1")->text(), QStringLiteral("1"));
        QCOMPARE(window.text("Text4")->text(), QStringLiteral("3"));
        QCOMPARE(window.text("Text3")->toolTip(),
                 QStringLiteral("Number of parts along X, 1 to 10"));
        QCOMPARE(window.label("Label1")->text(), QString());
        QVERIFY(window.button("Command1")->isEnabled());
        QVERIFY(!window.button("Command2")->isEnabled());
        QCOMPARE(focus_name(), QStringLiteral("Command1"));
        QCOMPARE(window.button("Command1")->text(), QStringLiteral("Read Input File"));
        QCOMPARE(window.button("Command2")->text(), QStringLiteral("Create Output File and Exit"));
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Command1") << "Command1" << QRect(256, 24, 249, 25);
        QTest::newRow("Command2") << "Command2" << QRect(256, 200, 249, 25);
        QTest::newRow("Picture1") << "Picture1" << QRect(32, 24, 201, 201);
        QTest::newRow("Label1") << "Label1" << QRect(288, 64, 81, 21);
        QTest::newRow("Label6") << "Label6" << QRect(424, 112, 81, 21);
        QTest::newRow("Label10") << "Label10" << QRect(392, 88, 25, 21);
        QTest::newRow("Label13") << "Label13" << QRect(256, 144, 25, 21);
        QTest::newRow("Text4") << "Text4" << QRect(424, 168, 81, 21);
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        WindowFixture window;
        const auto* widget = window.window.findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), rect);
    }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char* rows[][2] = {{"Label7", "L1"},  {"Label8", "L2"},  {"Label9", "H1"},
                                 {"Label10", "H2"}, {"Label11", "R1"}, {"Label12", "R2"},
                                 {"Label13", "DX"}, {"Label14", "DY"}, {"Label15", "NX"},
                                 {"Label16", "NY"}};
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << row[0] << row[1];
        }
    }
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        WindowFixture window;
        const auto* label = window.window.findChild<QLabel*>(name);
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    void tab_order_data() {
        QTest::addColumn<bool>("read_first");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Command2 disabled")
            << false << QStringList{"Picture1", "Text1", "Text2", "Text3", "Text4", "Command1"};
        QTest::newRow("Command2 enabled")
            << true
            << QStringList{"Command2", "Picture1", "Text1", "Text2", "Text3", "Text4", "Command1"};
    }
    void tab_order() {
        QFETCH(bool, read_first);
        QFETCH(QStringList, order);
        WindowFixture window;
        QVERIFY(window.active());
        if (read_first) {
            window.write_input(example_input);
            window.click("Command1");
        }
        window.button("Command1")->setFocus();
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focus_name();
        }
        QCOMPARE(visited, order);
    }

    // Enter and Esc press no button, arrows move no focus, the picture box swallows every key.
    void keys_press_nothing_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("Return on Command1") << "Command1" << int(Qt::Key_Return);
        QTest::newRow("Enter on Command1") << "Command1" << int(Qt::Key_Enter);
        QTest::newRow("Escape on Command1") << "Command1" << int(Qt::Key_Escape);
        QTest::newRow("Return in Text1") << "Text1" << int(Qt::Key_Return);
        QTest::newRow("Escape in Text4") << "Text4" << int(Qt::Key_Escape);
        QTest::newRow("Space on Picture1") << "Picture1" << int(Qt::Key_Space);
        QTest::newRow("Return on Picture1") << "Picture1" << int(Qt::Key_Return);
        QTest::newRow("letter on Picture1") << "Picture1" << int(Qt::Key_A);
        QTest::newRow("Down on Command1") << "Command1" << int(Qt::Key_Down);
        QTest::newRow("Left on Command2") << "Command2" << int(Qt::Key_Left);
        QTest::newRow("Up on Picture1") << "Picture1" << int(Qt::Key_Up);
        QTest::newRow("Right on Picture1") << "Picture1" << int(Qt::Key_Right);
    }
    void keys_press_nothing() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        WindowFixture window;
        QVERIFY(window.active());
        window.write_input(example_input);
        window.click("Command1");
        QVERIFY(QFile::remove(window.file("vb_input.txt")));
        auto* widget = window.window.findChild<QWidget*>(focus);
        widget->setFocus();
        QCOMPARE(focus_name(), focus);
        QTest::keyClick(widget, static_cast<Qt::Key>(key));
        QCOMPARE(focus_name(), focus);
        // A press of Command1 would now show the file-error box, one of Command2 would write.
        QVERIFY(window.window.messages.empty());
        QVERIFY(window.window.end_statuses.empty());
        QVERIFY(!window.has_output());
        QVERIFY(window.button("Command2")->isEnabled());
    }

    void typing_runs_nothing() {
        WindowFixture window;
        QVERIFY(window.active());
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
            window.text(name)->setFocus();
            QTest::keyClicks(window.text(name), QStringLiteral(" abc,-1e99 "));
        }
        QVERIFY(window.window.messages.empty());
        QVERIFY(!window.button("Command2")->isEnabled());
        QCOMPARE(window.label("Label1")->text(), QString());
        QCOMPARE(window.text("Text2")->text(), QStringLiteral("0.8 abc,-1e99 "));
    }

    // One click through each handler: the widgets reach the form and back.
    void read_click_shows_the_values() {
        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        QVERIFY(window.window.messages.empty());
        QStringList labels;
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            labels << window.label(name)->text();
        }
        QCOMPARE(labels, (QStringList{" 10", " 4", " 8", " 3", " 1", " 0.5"}));
        QVERIFY(window.button("Command2")->isEnabled());
    }

    void create_click_writes_and_ends() {
        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        window.text("Text3")->setText(QStringLiteral(" 1 "));
        window.text("Text4")->setText(QStringLiteral("1"));
        window.click("Command2");
        QVERIFY(window.window.messages.empty());
        QCOMPARE(window.output(), golden("worked_example.txt"));
        QVERIFY(!window.button("Command2")->isEnabled());
        QCOMPARE(window.window.end_statuses, std::vector<int>{0});
    }

    void rejected_text_gets_the_focus() {
        WindowFixture window;
        QVERIFY(window.active());
        window.write_input(example_input);
        window.click("Command1");
        window.text("Text3")->setText(QStringLiteral("abc"));
        window.button("Command2")->setFocus();
        window.click("Command2");
        QCOMPARE(window.window.messages,
                 std::vector<std::string>{params::not_numeric_message(params::ParameterField::NX)});
        QCOMPARE(focus_name(), QStringLiteral("Text3"));
        QCOMPARE(window.text("Text3")->text(), QStringLiteral("abc"));
    }

    void message_box_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::newRow("plain message")
            << int(form::MessageStyle::ok_only) << int(QMessageBox::NoIcon);
        QTest::newRow("file error")
            << int(form::MessageStyle::exclamation) << int(QMessageBox::Warning);
        QTest::newRow("unexpected error")
            << int(form::MessageStyle::critical) << int(QMessageBox::Critical);
    }
    void message_box() {
        QFETCH(int, style);
        QFETCH(int, icon);
        // Markup, an ampersand and letters beyond ASCII come out exactly as they went in.
        const std::string prompt = "Cannot open <b>a&b</b>/Größe部品: \"x\"";
        SeenBox seen;
        close_next_box(seen);
        QtFormView view;
        view.message_box(prompt, static_cast<form::MessageStyle>(style), "Titel Ä");
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, QString::fromUtf8(prompt.c_str()));
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.title, QString::fromUtf8("Titel Ä"));
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.button_count, 1);
        QCOMPARE(seen.modality, Qt::ApplicationModal);
    }

    // Each size drawn up to 64 pixels, the largest Qt hands the window manager, and no more.
    void window_icon_has_each_size_qt_hands_on() {
        QtFormView view;
        const QList<QSize> drawn{{16, 16}, {20, 20}, {24, 24}, {32, 32},
                                 {40, 40}, {48, 48}, {64, 64}};
        QCOMPARE(view.windowIcon().availableSizes(), drawn);
    }

    void end_program_gives_the_status_data() {
        QTest::addColumn<int>("status");
        QTest::newRow("written") << 0;
        QTest::newRow("unexpected error") << 1;
    }
    void end_program_gives_the_status() {
        QFETCH(int, status);
        QtFormView view;
        QTimer::singleShot(0, [&view, status] { view.end_program(status); });
        QCOMPARE(QApplication::exec(), status);
    }

    // For a person to look at: the whole window after a read, at the screen's scale.
    void screenshot() {
        WindowFixture window;
        QVERIFY(window.active());
        window.write_input(example_input);
        window.click("Command1");
        window.button("Command1")->setFocus();
        const QPixmap shot = window.window.grab();
        QCOMPARE(shot.deviceIndependentSize().toSize(), QSize(523, 248));
        const QString folder = QStringLiteral(PLESSARD_SCREENSHOT_FOLDER);
        QVERIFY(QDir().mkpath(folder));
        // Named for the scale the suite runs at, as it was given.
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
        const QString name =
            scale.isEmpty() ? QStringLiteral("main_window.png") : "main_window@" + scale + "x.png";
        QVERIFY(shot.save(folder + "/" + name, "PNG"));
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::QtFormViewTest)
#include "qt_form_view_test.moc"
