#pragma once

#include <filesystem>
#include <string_view>

#include "form/form_view.h"
#include "input/part_dimensions.h"

namespace plessard::platform {
class Error;
}

namespace plessard::form {

// The logic of the program's one window: it holds the part dimensions, moves texts between the
// window and the core, and decides what the window shows and when the program ends. Reading,
// checking and writing are the core's; drawing the controls is the view's.
class Tovik_form {
  public:
    // folder: where vb_input.txt is read and vb_output.txt written. The form keeps a reference
    // to the view, which must outlive it.
    Tovik_form(std::filesystem::path folder, FormView& view);

    // Once, after the window's controls exist and before it is shown. Arms no guard: a fault
    // here is for the start-up to report.
    void Form_Load();
    // "Read Input File"
    void Command1_Click() noexcept;
    // "Create Output File and Exit"
    void Command2_Click() noexcept;

    [[nodiscard]] const input::PartDimensions& part_dimensions() const noexcept {
        return PartDimensions_;
    }

  private:
    void vb_msg(std::string_view prompt);
    void show_file_error(const platform::Error& error);
    template <typename Body>
    void run_handler(Body&& body) noexcept;

    std::filesystem::path folder_;
    FormView& view_;
    input::PartDimensions PartDimensions_;
};

// Shows a fault of the program, one that no handler expects, in a box with the stop icon under
// the window's caption. The handlers and a window's start-up report their faults alike.
void show_fault(FormView& view, std::string_view what);

}  // namespace plessard::form
