#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "form/form_view.h"
#include "params/parameter_rules.h"

namespace plessard::form {

// The window as data: every window the program has builds itself from this one table.

inline constexpr std::string_view window_caption = "Plessard Macro File IO Example";

// The client area, in twips (a twentieth of a point; 15 make one pixel at 96 dots per inch).
inline constexpr int client_width = 7848;
inline constexpr int client_height = 3720;

enum class ControlKind {
    command_button,
    value_label,    // shows a value the program sets; blank until then
    caption_label,  // names its neighbour; never changes
    picture_box,    // the dimension drawing; takes the focus but reacts to no key
    text_box,       // single line, text of any length
};

// One control: its name, kind, first caption or text, and place in twips from the top-left
// corner of the client area.
struct Control {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
};

// The 23 controls in tab order: a control's place in the table is its tab index. Text boxes
// start empty here; the form's load gives them their first texts.
inline constexpr std::array<Control, 23> controls{{
    {"Command1", ControlKind::command_button, "Read Input File", 3840, 360, 3735, 375},
    {"Label1", ControlKind::value_label, "", 4320, 960, 1215, 315},
    {"Label2", ControlKind::value_label, "", 6360, 960, 1215, 315},
    {"Label3", ControlKind::value_label, "", 4320, 1320, 1215, 315},
    {"Label4", ControlKind::value_label, "", 6360, 1320, 1215, 315},
    {"Label5", ControlKind::value_label, "", 4320, 1680, 1215, 315},
    {"Label6", ControlKind::value_label, "", 6360, 1680, 1215, 315},
    {"Command2", ControlKind::command_button, "Create Output File and Exit", 3840, 3000, 3735, 375},
    {"Picture1", ControlKind::picture_box, "", 480, 360, 3015, 3015},
    {"Label7", ControlKind::caption_label, "L1", 3840, 960, 375, 315},
    {"Label8", ControlKind::caption_label, "L2", 5880, 960, 375, 315},
    {"Label9", ControlKind::caption_label, "H1", 3840, 1320, 375, 315},
    {"Label10", ControlKind::caption_label, "H2", 5880, 1320, 375, 315},
    {"Label11", ControlKind::caption_label, "R1", 3840, 1680, 375, 315},
    {"Label12", ControlKind::caption_label, "R2", 5880, 1680, 375, 315},
    {"Label13", ControlKind::caption_label, "DX", 3840, 2160, 375, 315},
    {"Label14", ControlKind::caption_label, "DY", 5880, 2160, 375, 315},
    {"Label15", ControlKind::caption_label, "NX", 3840, 2520, 375, 315},
    {"Label16", ControlKind::caption_label, "NY", 5880, 2520, 375, 315},
    {"Text1", ControlKind::text_box, "", 4320, 2160, 1215, 315},
    {"Text2", ControlKind::text_box, "", 6360, 2160, 1215, 315},
    {"Text3", ControlKind::text_box, "", 4320, 2520, 1215, 315},
    {"Text4", ControlKind::text_box, "", 6360, 2520, 1215, 315},
}};

// The place in the table of the control of that name; an unknown name does not compile.
[[nodiscard]] consteval std::size_t index_of(std::string_view name) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name == name) {
            return i;
        }
    }
    throw "no control of that name";
}

// The controls the logic talks to.
inline constexpr std::size_t command1_index = index_of("Command1");
inline constexpr std::size_t command2_index = index_of("Command2");
inline constexpr std::size_t picture1_index = index_of("Picture1");
inline constexpr std::array<std::size_t, 6> value_label_indices{
    index_of("Label1"), index_of("Label2"), index_of("Label3"),
    index_of("Label4"), index_of("Label5"), index_of("Label6")};
inline constexpr std::array<std::size_t, 4> text_box_indices{index_of("Text1"), index_of("Text2"),
                                                             index_of("Text3"), index_of("Text4")};

// The place in the table of a text box or a value label the form names.
[[nodiscard]] constexpr std::size_t index_of(TextBox box) noexcept {
    return text_box_indices[static_cast<std::size_t>(box)];
}
[[nodiscard]] constexpr std::size_t index_of(ValueLabel label) noexcept {
    return value_label_indices[static_cast<std::size_t>(label)];
}

// The hint shown while the pointer rests on the control at this place in the table: a text box
// tells what its field holds and its range; the other controls have none, but for a value label
// that shows its value cut (value_label_tip).
[[nodiscard]] inline std::string tool_tip(std::size_t index) {
    for (std::size_t box = 0; box < text_box_indices.size(); ++box) {
        if (text_box_indices[box] == index) {
            return params::hint(static_cast<params::ParameterField>(box));
        }
    }
    return {};
}

// The tool tip of a value label that shows `value`: the whole value while the label shows it
// cut, with "…", and none while it shows it whole, where a tip would only repeat it. Text is the
// window's own string type.
template <typename Text>
[[nodiscard]] Text value_label_tip(const Text& value, bool shown_whole) {
    return shown_whole ? Text() : value;
}

// Twips to whole pixels at a screen's dots per inch, halves away from zero, as the platform's
// MulDiv(twips, dpi, 1440) rounds. At 96 every control falls on whole pixels; only the width of
// the client area (523.2 pixels) is rounded.
[[nodiscard]] constexpr int twips_to_pixels(int twips, int dots_per_inch = 96) noexcept {
    const long long scaled = static_cast<long long>(twips) * dots_per_inch;
    const long long half = 720;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / 1440 : (scaled - half) / 1440);
}

}  // namespace plessard::form
