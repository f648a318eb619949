#pragma once

#include <QWidget>

#include <array>

#include "form/form_view.h"

class QLineEdit;
class QPushButton;

namespace plessard::form {
class Tovik_form;
}

namespace plessard::app {

class ValueLabel;

// The program's one window in Qt: its controls built from the form's layout table, the form's
// view over them, message boxes modal for the whole program, and the end through the event loop.
// Tests derive from it to record the boxes and the end instead.
class QtFormView : public QWidget, public form::FormView {
  public:
    explicit QtFormView(QWidget* parent = nullptr);

    // Hands the clicks of the two buttons to the form's handlers; the form must outlive the
    // window's event loop.
    void connect_clicks(form::Tovik_form& form);

    [[nodiscard]] std::string text(form::TextBox box) const override;
    void set_text(form::TextBox box, std::string_view text) override;
    void set_caption(form::ValueLabel label, std::string_view caption) override;
    void set_command2_enabled(bool enabled) override;
    void set_focus(form::TextBox box) override;
    void message_box(std::string_view prompt, form::MessageStyle style,
                     std::string_view title) override;
    void end_program(int status) override;

  private:
    [[nodiscard]] QLineEdit* text_box(form::TextBox box) const;
    [[nodiscard]] ValueLabel* value_label(form::ValueLabel label) const;

    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    std::array<ValueLabel*, 6> value_labels_{};
    std::array<QLineEdit*, 4> text_boxes_{};
};

}  // namespace plessard::app
