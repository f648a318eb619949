#pragma once

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <string>
#include <vector>

#include "app/qt_form_view.h"
#include "form/tovik_form.h"

namespace plessard::app {

// The real window, but its boxes and its end are only recorded, so a click runs through the
// widgets and the form without waiting for a user.
class RecordingWindow final : public QtFormView {
  public:
    void message_box(std::string_view prompt, form::MessageStyle /*style*/,
                     std::string_view /*title*/) override {
        messages.emplace_back(prompt);
    }
    void end_program(int status) override { end_statuses.push_back(status); }

    std::vector<std::string> messages;
    std::vector<int> end_statuses;
};

// A shown, loaded window working in a fresh folder, wired as the program wires it.
class WindowFixture {
  public:
    WindowFixture() {
        window.connect_clicks(form);
        form.Form_Load();
        window.show();
        window.activateWindow();
    }

    [[nodiscard]] bool active() { return QTest::qWaitForWindowActive(&window); }

    [[nodiscard]] QString file(const char* name) const { return directory.filePath(name); }

    template <typename Widget>
    [[nodiscard]] Widget* child(const char* name) const {
        return window.findChild<Widget*>(QString::fromLatin1(name));
    }
    [[nodiscard]] QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    [[nodiscard]] QLineEdit* text(const char* name) const { return child<QLineEdit>(name); }
    [[nodiscard]] QLabel* label(const char* name) const { return child<QLabel>(name); }

    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    void write_input(const QByteArray& bytes) const {
        QFile out(file("vb_input.txt"));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            out.write(bytes);
        }
    }
    [[nodiscard]] QByteArray output() const {
        QFile in(file("vb_output.txt"));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    [[nodiscard]] bool has_output() const { return QFile::exists(file("vb_output.txt")); }

    QTemporaryDir directory;
    RecordingWindow window;
    form::Tovik_form form{std::filesystem::path(directory.path().toStdString()), window};
};

}  // namespace plessard::app
