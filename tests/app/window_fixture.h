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

#include "app/tovik_form.h"
#include "recording_user_interface.h"

namespace plessard::app {

// A shown, active window working in a fresh folder, with its boxes recorded.
class WindowFixture {
  public:
    WindowFixture() : form(folder(), ui) {
        form.show();
        form.activateWindow();
    }

    [[nodiscard]] bool active() { return QTest::qWaitForWindowActive(&form); }

    [[nodiscard]] std::filesystem::path folder() const {
        return std::filesystem::path(directory.path().toStdString());
    }
    [[nodiscard]] QString file(const char* name) const { return directory.filePath(name); }

    template <typename Widget>
    [[nodiscard]] Widget* child(const char* name) const {
        return form.findChild<Widget*>(QString::fromLatin1(name));
    }
    [[nodiscard]] QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    [[nodiscard]] QLineEdit* text(const char* name) const { return child<QLineEdit>(name); }
    [[nodiscard]] QLabel* label(const char* name) const { return child<QLabel>(name); }

    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    void write_input(const QByteArray& bytes) const { write(file("vb_input.txt"), bytes); }
    [[nodiscard]] QByteArray output() const { return read(file("vb_output.txt")); }
    [[nodiscard]] bool has_output() const { return QFile::exists(file("vb_output.txt")); }

    // The six value labels, Label1 to Label6.
    [[nodiscard]] QStringList value_labels() const {
        QStringList texts;
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            texts << label(name)->text();
        }
        return texts;
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            out.write(bytes);
        }
    }
    [[nodiscard]] static QByteArray read(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir directory;
    RecordingUserInterface ui;
    Tovik_form form;
};

}  // namespace plessard::app
