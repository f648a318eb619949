#include "form/tovik_form.h"

#include <array>
#include <exception>
#include <string>
#include <utility>
#include <variant>

#include "form/form_layout.h"
#include "input/input_file.h"
#include "macro/writing_run.h"
#include "params/parameter_checks.h"
#include "platform/error.h"
#include "text/shortest_text.h"

namespace plessard::form {
namespace {

constexpr std::string_view message_title = "Macro Example";
constexpr std::string_view file_error_title = "File Error";

TextBox text_box_of(params::ParameterField field) noexcept {
    return static_cast<TextBox>(static_cast<std::size_t>(field));
}

}  // namespace

Tovik_form::Tovik_form(std::filesystem::path folder, FormView& view)
    : folder_(std::move(folder)), view_(view) {}

void Tovik_form::Form_Load() {
    PartDimensions_ = input::PartDimensions{};
    view_.set_text(TextBox::Text1, params::default_texts.DX);
    view_.set_text(TextBox::Text2, params::default_texts.DY);
    view_.set_text(TextBox::Text3, params::default_texts.NX);
    view_.set_text(TextBox::Text4, params::default_texts.NY);
    view_.set_command2_enabled(false);
}

void Tovik_form::Command1_Click() noexcept {
    run_handler([this] {
        const auto path = input::input_file_path(folder_);
        try {
            // The core hands back a complete record or raises, so a failed read leaves the
            // window exactly as it was.
            PartDimensions_ = input::read_part_dimensions_file(path);
        } catch (const platform::Error& error) {
            show_file_error(error);
            return;
        }
        const std::array<float, 6> values{PartDimensions_.L1, PartDimensions_.L2,
                                          PartDimensions_.H1, PartDimensions_.H2,
                                          PartDimensions_.R1, PartDimensions_.R2};
        for (std::size_t i = 0; i < values.size(); ++i) {
            view_.set_caption(static_cast<ValueLabel>(i), text::number_text(values[i]));
        }
        view_.set_command2_enabled(true);
    });
}

void Tovik_form::Command2_Click() noexcept {
    run_handler([this] {
        const std::string dx = view_.text(TextBox::Text1);
        const std::string dy = view_.text(TextBox::Text2);
        const std::string nx = view_.text(TextBox::Text3);
        const std::string ny = view_.text(TextBox::Text4);
        const auto check = params::check_array_parameters({dx, dy, nx, ny});
        if (const auto* rejection = std::get_if<params::ParameterRejection>(&check)) {
            vb_msg(rejection->message);
            view_.set_focus(text_box_of(rejection->field));
            return;
        }
        try {
            macro::write_output_file(folder_, PartDimensions_,
                                     std::get<params::ArrayParameters>(check));
        } catch (const platform::Error& error) {
            show_file_error(error);
            return;
        }
        view_.set_command2_enabled(false);
        view_.end_program(0);
    });
}

void Tovik_form::vb_msg(std::string_view prompt) {
    view_.message_box(prompt, MessageStyle::ok_only, message_title);
}

void Tovik_form::show_file_error(const platform::Error& error) {
    view_.message_box(error.what(), MessageStyle::exclamation, file_error_title);
}

// Every error the core raises is handled inside the handlers. Anything else would be a fault
// of the program: it is still shown, and the program ends with a failure status rather than
// carrying on in a state nobody planned for. Nothing may leave a handler by an exception, since
// no window's event loop can pass one on.
template <typename Body>
void Tovik_form::run_handler(Body&& body) noexcept {
    try {
        try {
            std::forward<Body>(body)();
            return;
        } catch (const std::exception& error) {
            show_fault(view_, error.what());
        } catch (...) {
            show_fault(view_, "Unexpected error");
        }
    } catch (...) {
        // Not even the box could be shown; the end is all that is left.
    }
    view_.end_program(1);
}

void show_fault(FormView& view, std::string_view what) {
    view.message_box(what, MessageStyle::critical, window_caption);
}

}  // namespace plessard::form
