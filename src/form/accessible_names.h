#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "form/form_layout.h"

namespace plessard::form {

// What a screen reader calls each control, worked out once from the layout table for every
// window: a sighted user reads a text box or a value label by the caption beside it, and a
// listener must hear the same.

inline constexpr std::string_view picture_name = "Dimension drawing";
inline constexpr std::string_view picture_description =
    "L-shaped part: L1 overall length along the bottom, L2 width of the upright, H1 overall "
    "height along the left side, H2 height of the short leg, R1 radius of the top-left, "
    "bottom-left and bottom-right corners, R2 radius of the other three corners";

// The place in the table of the control a caption label names: the first control to its right
// on its row. controls.size() when the control at `index` is no caption label.
[[nodiscard]] constexpr std::size_t named_by(std::size_t index) noexcept {
    const Control& caption = controls[index];
    std::size_t named = controls.size();
    if (caption.kind != ControlKind::caption_label) {
        return named;
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& other = controls[i];
        if (other.kind != ControlKind::caption_label && other.top == caption.top &&
            other.left > caption.left &&
            (named == controls.size() || other.left < controls[named].left)) {
            named = i;
        }
    }
    return named;
}

// The name of the control at `index`: the caption of the label that names it, its own caption
// (a button, a caption label), or the picture's name.
[[nodiscard]] constexpr std::string_view accessible_name(std::size_t index) noexcept {
    if (controls[index].kind == ControlKind::picture_box) {
        return picture_name;
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (named_by(i) == index) {
            return controls[i].caption;
        }
    }
    return controls[index].caption;
}

// The name of a value label with the value it shows: "L1 10", "H2 -4", or "L1" while blank.
[[nodiscard]] std::string value_label_name(std::size_t index, std::string_view value);

}  // namespace plessard::form
