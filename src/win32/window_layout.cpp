#include "win32/window_layout.h"

namespace plessard::win32 {

ControlClass control_class(form::ControlKind kind) noexcept {
    // Every control a group of its own: the dialog manager's arrow keys then move the focus
    // nowhere, so only Tab and Shift+Tab walk the tab order, and never onto a label.
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_GROUP;
    // Labels never read "&" as an access key, and their text stands in the middle of their
    // height as a text box's does.
    constexpr DWORD label = child | SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE;
    switch (kind) {
        case form::ControlKind::command_button:
            // A plain push button: never the default one, so Enter presses nothing.
            return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case form::ControlKind::value_label:
            // SS_NOTIFY lets the pointer reach the label, so its tool tip can show.
            return {L"STATIC", label | SS_ENDELLIPSIS | SS_NOTIFY, WS_EX_STATICEDGE};
        case form::ControlKind::caption_label:
            return {L"STATIC", label, 0};
        case form::ControlKind::picture_box:
            return {picture_class_name, child | WS_TABSTOP, 0};
        case form::ControlKind::text_box:
            return {L"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", label, 0};
}

RECT control_rect(const form::Control& control, UINT dots_per_inch) noexcept {
    const int dpi = static_cast<int>(dots_per_inch);
    const int left = form::twips_to_pixels(control.left, dpi);
    const int top = form::twips_to_pixels(control.top, dpi);
    return {left, top, left + form::twips_to_pixels(control.width, dpi),
            top + form::twips_to_pixels(control.height, dpi)};
}

SIZE frame_size(UINT dots_per_inch) noexcept {
    const int dpi = static_cast<int>(dots_per_inch);
    RECT frame{0, 0, form::twips_to_pixels(form::client_width, dpi),
               form::twips_to_pixels(form::client_height, dpi)};
    ::AdjustWindowRectExForDpi(&frame, frame_style, FALSE, frame_ex_style, dots_per_inch);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace plessard::win32
