#pragma once

#include "app/user_interface.h"

namespace plessard::app {

// Message boxes with QMessageBox, modal for the whole application; the end through the event
// loop's exit.
class QtUserInterface final : public UserInterface {
  public:
    void message_box(const QString& prompt, MessageStyle style, const QString& title) override;
    void end_program(int status) override;
};

}  // namespace plessard::app
