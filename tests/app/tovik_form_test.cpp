#include "app/tovik_form.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPixmap>
#include <QTest>

#include <clocale>
#include <filesystem>
#include <string>

#include "input/input_file.h"
#include "macro/writing_run.h"
#include "platform/error.h"
#include "window_fixture.h"

namespace plessard::app {
namespace {

// The part of the worked example, in the layout the host writes.
const QByteArray example_input = "10, 4\r\n8, 3\r\n1, 0.5\r\n";

QByteArray crlf_lines(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

// That part, one copy, DX 1 and DY 0.8.
const QByteArray one_part_output = crlf_lines({
    "101, -1.0",   "102, -0.8",
    "103, 0",      "104, 11.0",
    "105, 8.8",    "106, 0",
    "111",         "0,1.0, 0.0",
    "1,9.0, 0.0",  "3,9.0, 1.0, 10.0, 1.0",
    "1,10.0, 2.5", "3,9.5, 2.5, 9.5, 3.0",
    "1,4.5, 3.0",  "2,4.5, 3.5, 4.0, 3.5",
    "1,4.0, 7.5",  "3,3.5, 7.5, 3.5, 8.0",
    "1,1.0, 8.0",  "3,1.0, 7.0, 0.0, 7.0",
    "1,0.0, 1.0",  "3,1.0, 1.0, 1.0, 0.0",
    "99",          "-1",
});

const QStringList example_labels{" 10", " 4", " 8", " 3", " 1", " 0.5"};
const QStringList blank_labels{"", "", "", "", "", ""};

void set_texts(const WindowFixture& window, const QStringList& texts) {
    const char* names[] = {"Text1", "Text2", "Text3", "Text4"};
    for (int i = 0; i < texts.size(); ++i) {
        window.text(names[i])->setText(texts[i]);
    }
}

QStringList texts(const WindowFixture& window) {
    return {window.text("Text1")->text(), window.text("Text2")->text(),
            window.text("Text3")->text(), window.text("Text4")->text()};
}

QString focus_name() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(none)");
}

// The description the core gives for a failure, so the box can be held to it word for word.
template <typename Action>
QString description_of(Action&& action) {
    try {
        action();
    } catch (const platform::Error& error) {
        return QString::fromStdString(platform::error_description(error));
    }
    return {};
}

void verify_file_error_box(const WindowFixture& window, const QString& description) {
    QCOMPARE(window.ui.messages.size(), std::size_t{1});
    const ShownMessage& box = window.ui.messages.front();
    QVERIFY(!description.isEmpty());
    QCOMPARE(box.prompt, description);
    QCOMPARE(box.title, QStringLiteral("File Error"));
    QCOMPARE(box.style, MessageStyle::exclamation);
}

}  // namespace

class TovikFormTest : public QObject {
    Q_OBJECT

  private slots:
    void start_state() {
        WindowFixture window;
        QVERIFY(window.active());
        QCOMPARE(window.form.windowTitle(), QStringLiteral("Plessard Macro File IO Example"));
        QCOMPARE(window.form.size(), QSize(523, 248));
        QCOMPARE(texts(window), (QStringList{"1", "0.8", "4", "3"}));
        QCOMPARE(window.value_labels(), blank_labels);
        QVERIFY(window.button("Command1")->isEnabled());
        QVERIFY(!window.button("Command2")->isEnabled());
        QCOMPARE(focus_name(), QStringLiteral("Command1"));
        QCOMPARE(window.button("Command1")->text(), QStringLiteral("Read Input File"));
        QCOMPARE(window.button("Command2")->text(), QStringLiteral("Create Output File and Exit"));
        QCOMPARE(window.form.part_dimensions(), input::PartDimensions{});
        QVERIFY(window.ui.messages.empty());
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
        const auto* widget = window.form.findChild<QWidget*>(name);
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
        const auto* label = window.form.findChild<QLabel*>(name);
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

    // Enter and Esc press no button, and the picture box swallows every key.
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
    }
    void keys_press_nothing() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        WindowFixture window;
        QVERIFY(window.active());
        window.write_input(example_input);
        window.click("Command1");
        QVERIFY(QFile::remove(window.file("vb_input.txt")));
        auto* widget = window.form.findChild<QWidget*>(focus);
        widget->setFocus();
        QCOMPARE(focus_name(), focus);
        QTest::keyClick(widget, static_cast<Qt::Key>(key));
        // A press of Command1 would now show the file-error box, one of Command2 would write.
        QVERIFY(window.ui.messages.empty());
        QVERIFY(window.ui.end_statuses.empty());
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
        QVERIFY(window.ui.messages.empty());
        QVERIFY(!window.button("Command2")->isEnabled());
        QCOMPARE(window.value_labels(), blank_labels);
        QCOMPARE(texts(window),
                 (QStringList{"1 abc,-1e99 ", "0.8 abc,-1e99 ", "4 abc,-1e99 ", "3 abc,-1e99 "}));
    }

    void read_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("three pairs") << example_input << example_labels;
        QTest::newRow("six lines") << QByteArray("10\n4\n8\n3\n1\n0.5\n") << example_labels;
        QTest::newRow("one line") << QByteArray("10,4,8,3,1,0.5") << example_labels;
        QTest::newRow("more than six")
            << QByteArray("10, 4\n8, 3\n1, 0.5\n99, junk\n") << example_labels;
        QTest::newRow("negative and zero")
            << QByteArray("-2.5, 0\n1e3, 0.001\n-0, 123456.7\n")
            << QStringList{"-2.5", " 0", " 1000", " 0.001", " 0", " 123456.7"};
    }
    void read() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, labels);
        WindowFixture window;
        window.write_input(input);
        window.click("Command1");
        QVERIFY(window.ui.messages.empty());
        QCOMPARE(window.value_labels(), labels);
        QVERIFY(window.button("Command2")->isEnabled());
        // A second read of the same file gives the same state.
        window.click("Command1");
        QVERIFY(window.ui.messages.empty());
        QCOMPARE(window.value_labels(), labels);
        QVERIFY(window.button("Command2")->isEnabled());
    }

    void read_missing_file() {
        WindowFixture window;
        window.click("Command1");
        verify_file_error_box(window, description_of([&] {
                                  static_cast<void>(input::read_part_dimensions_file(
                                      input::input_file_path(window.folder())));
                              }));
        QCOMPARE(window.value_labels(), blank_labels);
        QVERIFY(!window.button("Command2")->isEnabled());
        QCOMPARE(window.form.part_dimensions(), input::PartDimensions{});
    }

    // A short file after a good read changes nothing: labels, record and what is written.
    void short_file_after_good_read() {
        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        window.write_input("20, 5\n9, 4\n2\n");
        window.click("Command1");
        verify_file_error_box(window, description_of([&] {
                                  static_cast<void>(input::read_part_dimensions_file(
                                      input::input_file_path(window.folder())));
                              }));
        QCOMPARE(window.value_labels(), example_labels);
        QVERIFY(window.button("Command2")->isEnabled());
        QCOMPARE(window.form.part_dimensions(),
                 (input::PartDimensions{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F}));

        set_texts(window, {"1", "0.8", "1", "1"});
        window.click("Command2");
        QCOMPARE(window.ui.messages.size(), std::size_t{1});
        QCOMPARE(window.output(), one_part_output);
    }

    void rejection_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        struct Row {
            const char* name;
            QStringList texts;
            const char* message;
            const char* focus;
        };
        const Row rows[] = {
            {"DX empty", {"", "0.8", "4", "3"}, "Please enter a value for DX", "Text1"},
            {"DX not a number", {"1,5", "0.8", "4", "3"}, "Invalid value for for DX", "Text1"},
            {"DX below 0", {"-0.0001", "0.8", "4", "3"}, "DX must between 0 and 100", "Text1"},
            {"DY blanks", {"1", "   ", "4", "3"}, "Please enter a value for DY", "Text2"},
            {"DY not a number", {"1", "abc", "4", "3"}, "Invalid value for for DY", "Text2"},
            {"DY above 100", {"1", "100.00001", "4", "3"}, "DY must between 0 and 100", "Text2"},
            {"NX empty", {"1", "0.8", "", "3"}, "Please enter a value for NX", "Text3"},
            {"NX not a number", {"1", "0.8", "abc", "3"}, "Invalid value for for NX", "Text3"},
            {"NX 10.6", {"1", "0.8", "10.6", "3"}, "NX must between 1 and 10", "Text3"},
            {"NY empty", {"1", "0.8", "4", ""}, "Please enter a value for NY", "Text4"},
            {"NY not a number", {"1", "0.8", "4", "3x"}, "Invalid value for for NY", "Text4"},
            {"NY 0", {"1", "0.8", "4", "0"}, "NY must between 1 and 10", "Text4"},
            {"DX empty, DY bad", {"", "abc", "4", "3"}, "Please enter a value for DX", "Text1"},
            {"NY beyond 32 bits", {"1", "0.8", "4", "1e10"}, "NY must between 1 and 10", "Text4"},
            {"NX beyond 32 bits", {"1", "0.8", "-1e300", "3"}, "NX must between 1 and 10", "Text3"},
        };
        for (const Row& row : rows) {
            QTest::newRow(row.name) << row.texts << row.message << row.focus;
        }
    }
    void rejection() {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        WindowFixture window;
        QVERIFY(window.active());
        window.write_input(example_input);
        window.click("Command1");
        set_texts(window, texts);
        window.button("Command2")->setFocus();
        window.click("Command2");

        QCOMPARE(window.ui.messages.size(), std::size_t{1});
        QCOMPARE(window.ui.messages.front().prompt, message);
        QCOMPARE(window.ui.messages.front().title, QStringLiteral("Macro Example"));
        QCOMPARE(window.ui.messages.front().style, MessageStyle::ok_only);
        QCOMPARE(focus_name(), focus);
        QCOMPARE(::plessard::app::texts(window), texts);
        QVERIFY(window.button("Command2")->isEnabled());
        QVERIFY(window.ui.end_statuses.empty());
        QVERIFY(!window.has_output());
    }

    // A fault nobody planned for is still shown, and the program ends with a failure status.
    void unexpected_error_ends_the_program() {
        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        set_texts(window, {"", "0.8", "4", "3"});
        window.ui.fail_next_box = true;
        window.click("Command2");
        QCOMPARE(window.ui.messages.size(), std::size_t{2});
        QCOMPARE(window.ui.messages[1].prompt, QStringLiteral("the box could not be shown"));
        QCOMPARE(window.ui.messages[1].style, MessageStyle::critical);
        QCOMPARE(window.ui.messages[1].title, QStringLiteral("Plessard Macro File IO Example"));
        QCOMPARE(window.ui.end_statuses, std::vector<int>{1});
        QVERIFY(!window.has_output());
    }

    void create_writes_and_ends() {
        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        WindowFixture::write(window.file("vb_output.txt"), QByteArray(5000, 'x'));
        set_texts(window, {"1", "0.8", " 1 ", "1"});
        window.click("Command2");
        QVERIFY(window.ui.messages.empty());
        QCOMPARE(window.output(), one_part_output);
        QVERIFY(!window.button("Command2")->isEnabled());
        QCOMPARE(window.ui.end_statuses, std::vector<int>{0});
    }

    void create_default_array() {
        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        window.click("Command2");
        QVERIFY(window.ui.messages.empty());
        const QList<QByteArray> lines = window.output().split('\n');
        // 176 lines, each ended by CR LF, so the split leaves an empty piece at the end.
        QCOMPARE(lines.size(), 177);
        QCOMPARE(lines[3], QByteArray("104, 44.0\r"));
        QCOMPARE(lines[4], QByteArray("105, 26.4\r"));
        QCOMPARE(lines[7 + 14 * 11], QByteArray("0,34.0, 17.6\r"));
        QCOMPARE(lines[175], QByteArray("-1\r"));
        QCOMPARE(window.ui.end_statuses, std::vector<int>{0});
    }

    void create_failure_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("folder named vb_output.txt") << "folder";
        QTest::newRow("full disk") << "full";
    }
    void create_failure() {
        QFETCH(QString, obstacle);
        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        const QString output = window.file("vb_output.txt");
        if (obstacle == "folder") {
            QVERIFY(QDir().mkdir(output));
        } else {
            if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
                QSKIP("no /dev/full on this system");
            }
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), output));
        }
        set_texts(window, {"1", "0.8", "1", "1"});
        window.click("Command2");
        verify_file_error_box(window, description_of([&] {
                                  macro::write_output_file(window.folder(),
                                                           window.form.part_dimensions(),
                                                           {1.0F, 0.8F, 1, 1});
                              }));
        QVERIFY(window.ui.end_statuses.empty());
        QVERIFY(window.button("Command2")->isEnabled());

        // Once the obstacle is gone, the next press writes the file and ends.
        QVERIFY(obstacle == "folder" ? QDir().rmdir(output) : QFile::remove(output));
        window.click("Command2");
        QCOMPARE(window.ui.messages.size(), std::size_t{1});
        QCOMPARE(window.output(), one_part_output);
        QCOMPARE(window.ui.end_statuses, std::vector<int>{0});
    }

    // Regional settings with a decimal comma change neither what is read nor what is written.
    void locale_changes_nothing() {
        const std::string previous = std::setlocale(LC_ALL, nullptr);
        const QLocale previous_default;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        bool c_library_switched = false;
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                c_library_switched = true;
                break;
            }
        }
        if (!c_library_switched) {
            qInfo("no locale with a decimal comma installed; only Qt's default locale is set");
        }

        WindowFixture window;
        window.write_input(example_input);
        window.click("Command1");
        set_texts(window, {"2.5", "0.8", "1", "1"});
        window.click("Command2");

        std::setlocale(LC_ALL, previous.c_str());
        QLocale::setDefault(previous_default);

        QVERIFY(window.ui.messages.empty());
        QCOMPARE(window.value_labels(), example_labels);
        QByteArray expected = one_part_output;
        expected.replace("101, -1.0\r\n", "101, -2.5\r\n");
        expected.replace("104, 11.0\r\n", "104, 12.5\r\n");
        QCOMPARE(window.output(), expected);
    }

    // For a person to look at: the whole window after a read.
    void screenshot() {
        WindowFixture window;
        QVERIFY(window.active());
        window.write_input(example_input);
        window.click("Command1");
        window.button("Command1")->setFocus();
        const QString path = QStringLiteral(PLESSARD_SCREENSHOT_PATH);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        const QPixmap shot = window.form.grab();
        QCOMPARE(shot.size(), QSize(523, 248));
        QVERIFY(shot.save(path, "PNG"));
    }
};

}  // namespace plessard::app

QTEST_MAIN(plessard::app::TovikFormTest)
#include "tovik_form_test.moc"
