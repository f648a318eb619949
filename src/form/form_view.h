#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/interface.h"

namespace plessard::form {

// The four text boxes, in the order of their fields: DX, DY, NX, NY.
enum class TextBox : std::size_t { Text1 = 0, Text2 = 1, Text3 = 2, Text4 = 3 };

// The six value labels, in the order of the part's fields: L1, L2, H1, H2, R1, R2.
enum class ValueLabel : std::size_t { Label1 = 0, Label2, Label3, Label4, Label5, Label6 };

// What a message box shows besides its one OK button; the numbers are the ones the host's
// platform gives these styles.
enum class MessageStyle : int {
    ok_only = 0,       // no icon
    critical = 16,     // the stop icon, for a fault the program cannot go on from
    exclamation = 48,  // the warning icon
};

// What the form's logic needs of a window, whatever toolkit draws it. Every text is UTF-8.
// A real window shows modal boxes and ends its event loop; tests put in one that records.
class FormView : public platform::Interface {
  public:
    // The text of a text box, exactly as the user left it.
    [[nodiscard]] virtual std::string text(TextBox box) const = 0;
    virtual void set_text(TextBox box, std::string_view text) = 0;
    virtual void set_caption(ValueLabel label, std::string_view caption) = 0;
    virtual void set_command2_enabled(bool enabled) = 0;
    virtual void set_focus(TextBox box) = 0;
    // Shows the prompt as plain text with one OK button; returns once the user has closed it.
    virtual void message_box(std::string_view prompt, MessageStyle style,
                             std::string_view title) = 0;
    // Ends the program with this exit status once the running handler has returned.
    virtual void end_program(int status) = 0;
};

}  // namespace plessard::form
