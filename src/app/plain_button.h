#pragma once

#include <QPushButton>

namespace plessard::app {

// A push button that is never a default one, so Enter and Esc press nothing, and whose arrow
// keys move no focus: only Tab and Shift+Tab walk the tab order, as in the Win32 window.
class PlainButton final : public QPushButton {
  public:
    PlainButton(const QString& caption, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace plessard::app
