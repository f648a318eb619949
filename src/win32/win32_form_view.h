#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include <windows.h>

#include "form/form_layout.h"
#include "form/form_view.h"
#include "win32/com_apartment.h"
#include "win32/gdi_font.h"
#include "win32/tool_tips.h"
#include "win32/window_icon.h"

namespace plessard::form {
class Tovik_form;
}

namespace plessard::win32 {

// The program's one window in plain Win32: its controls built from the form's layout table at
// the screen's resolution, the form's view over them, message boxes owned by the window, and the
// end through the message loop.
class Win32FormView final : public form::FormView {
  public:
    // Creates the window and its controls, not yet shown. Raises std::runtime_error when the
    // system refuses either.
    explicit Win32FormView(HINSTANCE instance);
    Win32FormView(const Win32FormView&) = delete;
    Win32FormView& operator=(const Win32FormView&) = delete;
    ~Win32FormView() override;

    // Hands the clicks of the two buttons to the form's handlers; the form must outlive run().
    void connect_clicks(form::Tovik_form& form) noexcept { form_ = &form; }
    // Shows the window with the focus on Command1 and runs its messages until the program ends;
    // returns the exit status.
    int run();

    [[nodiscard]] std::string text(form::TextBox box) const override;
    void set_text(form::TextBox box, std::string_view text) override;
    void set_caption(form::ValueLabel label, std::string_view caption) override;
    void set_command2_enabled(bool enabled) override;
    void set_focus(form::TextBox box) override;
    void message_box(std::string_view prompt, form::MessageStyle style,
                     std::string_view title) override;
    void end_program(int status) override;

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void create_controls(HINSTANCE instance);
    // Creates the control at this place in the table and readies it for its kind.
    void create_control(HINSTANCE instance, std::size_t index);
    // Places the controls, sets their font and sizes the frame for a screen resolution.
    void apply_dpi(UINT dots_per_inch);
    void on_command(int id, int notification);

    // Before the window: its controls answer screen readers through COM.
    ComApartment com_;
    HWND window_ = nullptr;
    std::array<HWND, form::controls.size()> controls_{};
    Font font_;
    WindowIcons icons_;
    std::unique_ptr<ToolTips> tips_;
    form::Tovik_form* form_ = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND last_focus_ = nullptr;
    // Set by end_program: no further click reaches the form.
    bool ending_ = false;
};

}  // namespace plessard::win32
