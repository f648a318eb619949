#pragma once

#include <QString>

#include <vector>

#include "app/user_interface.h"

namespace plessard::app {

struct ShownMessage {
    QString prompt;
    MessageStyle style;
    QString title;
};

// Takes the place of the real boxes: nothing waits for a user, and the test sees every box
// and every request to end.
class RecordingUserInterface final : public UserInterface {
  public:
    void message_box(const QString& prompt, MessageStyle style, const QString& title) override {
        messages.push_back({prompt, style, title});
    }
    void end_program(int status) override { end_statuses.push_back(status); }

    std::vector<ShownMessage> messages;
    std::vector<int> end_statuses;
};

}  // namespace plessard::app
