#pragma once

#include <QString>

#include <stdexcept>
#include <utility>
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
        if (std::exchange(fail_next_box, false)) {
            throw std::runtime_error("the box could not be shown");
        }
    }
    void end_program(int status) override { end_statuses.push_back(status); }

    // Makes the next box fail after it is recorded, as a fault the handlers do not expect.
    bool fail_next_box = false;
    std::vector<ShownMessage> messages;
    std::vector<int> end_statuses;
};

}  // namespace plessard::app
