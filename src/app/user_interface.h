#pragma once

#include <QString>

namespace plessard::app {

// What a message box shows besides its OK button.
enum class MessageStyle : int {
    ok_only = 0,       // no icon
    critical = 16,     // the stop icon, for errors the program cannot go on from
    exclamation = 48,  // the warning icon
};

// The window's way out to the user and to the end of the program. The real one shows modal
// boxes and quits the application; tests put in one that only records.
class UserInterface {
  public:
    UserInterface() = default;
    UserInterface(const UserInterface&) = delete;
    UserInterface& operator=(const UserInterface&) = delete;
    virtual ~UserInterface() = default;

    // Shows the prompt as plain text with one OK button; returns once the user closed it.
    virtual void message_box(const QString& prompt, MessageStyle style, const QString& title) = 0;
    // Ends the program with this exit status once the running handler has returned.
    virtual void end_program(int status) = 0;

  protected:
    UserInterface(UserInterface&&) = default;
    UserInterface& operator=(UserInterface&&) = default;
};

}  // namespace plessard::app
