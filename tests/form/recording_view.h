#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "form/form_view.h"

namespace plessard::form {

struct ShownMessage {
    std::string prompt;
    MessageStyle style = MessageStyle::ok_only;
    std::string title;

    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

// A window that only remembers: what its controls hold, every box it was asked to show and
// every request to end, so the form's logic runs without a toolkit and nothing waits for a user.
class RecordingView final : public FormView {
  public:
    [[nodiscard]] std::string text(TextBox box) const override {
        return texts[static_cast<std::size_t>(box)];
    }
    void set_text(TextBox box, std::string_view text) override {
        texts[static_cast<std::size_t>(box)] = std::string(text);
    }
    void set_caption(ValueLabel label, std::string_view caption) override {
        captions[static_cast<std::size_t>(label)] = std::string(caption);
    }
    void set_command2_enabled(bool enabled) override { command2_enabled = enabled; }
    void set_focus(TextBox box) override { focus = box; }
    void message_box(std::string_view prompt, MessageStyle style, std::string_view title) override {
        messages.push_back({std::string(prompt), style, std::string(title)});
        if (std::exchange(fail_next_box, false)) {
            throw std::runtime_error("the box could not be shown");
        }
    }
    void end_program(int status) override { end_statuses.push_back(status); }

    std::array<std::string, 4> texts;
    std::array<std::string, 6> captions;
    bool command2_enabled = true;  // as created, before the load
    std::optional<TextBox> focus;
    std::vector<ShownMessage> messages;
    std::vector<int> end_statuses;
    // Makes the next box fail after it is recorded, as a fault the handlers do not expect.
    bool fail_next_box = false;
};

}  // namespace plessard::form
