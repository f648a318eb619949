#include "win32/win32_form_view.h"

#include <stdexcept>
#include <string>
#include <utility>

#include <commctrl.h>

#include "form/accessible_names.h"
#include "form/tovik_form.h"
#include "platform/utf16.h"
#include "win32/accessible_name.h"
#include "win32/message_box.h"
#include "win32/picture_control.h"
#include "win32/plain_button.h"
#include "win32/value_label.h"
#include "win32/window_icon.h"
#include "win32/window_layout.h"
#include "win32/window_text.h"

namespace plessard::win32 {
namespace {

constexpr const wchar_t* frame_class_name = L"PlessardMacroIoWindow";

void register_frame_class(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW frame_class{};
    frame_class.cbSize = sizeof(frame_class);
    frame_class.lpfnWndProc = procedure;
    frame_class.hInstance = instance;
    frame_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    // The program's own icon where it has one; the window gets it at its screen's sizes too.
    frame_class.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(program_icon_id));
    if (frame_class.hIcon == nullptr) {
        frame_class.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    }
    // The face of a dialog, which the labels and buttons are drawn to sit on.
    frame_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame_class.lpszClassName = frame_class_name;
    ::RegisterClassExW(&frame_class);
}

}  // namespace

Win32FormView::Win32FormView(HINSTANCE instance) {
    register_frame_class(instance, &Win32FormView::procedure);
    register_picture_class(instance);
    const std::wstring caption = platform::utf16_from_utf8(form::window_caption);
    const SIZE size = frame_size(::GetDpiForSystem());
    // WM_NCCREATE ties the window to this object before any other message arrives.
    ::CreateWindowExW(frame_ex_style, frame_class_name, caption.c_str(), frame_style, CW_USEDEFAULT,
                      CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("Cannot create the window");
    }
    tips_ = std::make_unique<ToolTips>(window_);
    create_controls(instance);
    apply_dpi(::GetDpiForWindow(window_));
}

Win32FormView::~Win32FormView() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

void Win32FormView::create_controls(HINSTANCE instance) {
    // Created in tab order, each caption label just before the control it names: the dialog
    // manager's Tab follows the order of creation and passes the labels by, and the system names
    // a text box after the label created just before it.
    for (std::size_t i = 0; i < form::controls.size(); ++i) {
        if (form::named_by(i) < form::controls.size()) {
            continue;  // created with the control it names
        }
        for (std::size_t caption = 0; caption < form::controls.size(); ++caption) {
            if (form::named_by(caption) == i) {
                create_control(instance, caption);
            }
        }
        create_control(instance, i);
    }
}

void Win32FormView::create_control(HINSTANCE instance, std::size_t index) {
    const form::Control& control = form::controls[index];
    const ControlClass kind = control_class(control.kind);
    const std::wstring caption = platform::utf16_from_utf8(control.caption);
    const RECT place = control_rect(control, ::GetDpiForWindow(window_));
    const HWND created = ::CreateWindowExW(
        kind.ex_style, kind.name, caption.c_str(), kind.style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id(index))), instance, nullptr);
    if (created == nullptr) {
        throw std::runtime_error("Cannot create the control " + std::string(control.name));
    }
    controls_[index] = created;
    switch (control.kind) {
        case form::ControlKind::command_button:
            keep_plain(created);
            break;
        case form::ControlKind::text_box:
            // An edit control takes 32,767 characters unless told otherwise; a text box here
            // takes text of any length.
            ::SendMessageW(created, EM_SETLIMITTEXT, 0, 0);
            name_for_screen_readers(created, index);
            break;
        case form::ControlKind::value_label:
        case form::ControlKind::picture_box:
            name_for_screen_readers(created, index);
            break;
        case form::ControlKind::caption_label:
            break;
    }
    if (!control.tool_tip.empty()) {
        tips_->set(created, platform::utf16_from_utf8(control.tool_tip));
    }
}

void Win32FormView::apply_dpi(UINT dots_per_inch) {
    // The controls switch to the new font before the old one is deleted.
    Font font = message_font(dots_per_inch);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const RECT place = control_rect(form::controls[i], dots_per_inch);
        ::SetWindowPos(controls_[i], nullptr, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    }
    font_ = std::move(font);
    icons_.apply(window_, dots_per_inch);
    ::SendMessageW(controls_[form::picture1_index], picture_dpi_changed, dots_per_inch, 0);
    for (const std::size_t index : form::value_label_indices) {
        refresh_value_tip(controls_[index], *tips_);
    }
    const SIZE size = frame_size(dots_per_inch);
    ::SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32FormView::run() {
    const HWND command1 = controls_[form::command1_index];
    last_focus_ = command1;
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::UpdateWindow(window_);
    ::SetFocus(command1);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager gives Tab and Shift+Tab their walk through the tab order.
        if (::IsDialogMessageW(window_, &message) == FALSE) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK Win32FormView::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* view = static_cast<Win32FormView*>(
            reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
        view->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
    auto* view = reinterpret_cast<Win32FormView*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr) {
        return ::DefWindowProcW(window, message, wparam, lparam);
    }
    return view->handle(message, wparam, lparam);
}

LRESULT Win32FormView::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        // Enter and Esc: the dialog manager asks for the default button with DM_GETDEFID, which
        // DefWindowProcW answers with none, and sends IDOK or IDCANCEL, which on_command passes
        // over.
        case WM_COMMAND:
            on_command(LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) {
                const HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(window_, focus) != FALSE) {
                    last_focus_ = focus;
                }
            } else if (last_focus_ != nullptr) {
                ::SetFocus(last_focus_);
            }
            return 0;
        case WM_SETFOCUS:
            if (last_focus_ != nullptr) {
                ::SetFocus(last_focus_);
            }
            return 0;
        case WM_DPICHANGED: {
            apply_dpi(HIWORD(wparam));
            const auto* suggested = reinterpret_cast<const RECT*>(lparam);
            ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            // Closing the window ends the program, and the form is not asked.
            if (!ending_) {
                ::PostQuitMessage(0);
            }
            return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window_, message, wparam, lparam);
}

void Win32FormView::on_command(int id, int notification) {
    // IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc, match no control.
    if (notification != BN_CLICKED || form_ == nullptr || ending_) {
        return;
    }
    if (id == control_id(form::command1_index)) {
        form_->Command1_Click();
    } else if (id == control_id(form::command2_index)) {
        form_->Command2_Click();
    }
}

std::string Win32FormView::text(form::TextBox box) const {
    return platform::utf8_from_utf16(window_text(controls_[form::index_of(box)]));
}

void Win32FormView::set_text(form::TextBox box, std::string_view text) {
    ::SetWindowTextW(controls_[form::index_of(box)], platform::utf16_from_utf8(text).c_str());
}

void Win32FormView::set_caption(form::ValueLabel label, std::string_view caption) {
    const HWND control = controls_[form::index_of(label)];
    set_value(control, *tips_, platform::utf16_from_utf8(caption));
    // The label's accessible name carries its value: a screen reader is told it changed.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void Win32FormView::set_command2_enabled(bool enabled) {
    ::EnableWindow(controls_[form::command2_index], enabled ? TRUE : FALSE);
}

void Win32FormView::set_focus(form::TextBox box) {
    const HWND control = controls_[form::index_of(box)];
    last_focus_ = control;
    ::SetFocus(control);
}

void Win32FormView::message_box(std::string_view prompt, form::MessageStyle style,
                                std::string_view title) {
    show_message_box(window_ != nullptr && ::IsWindow(window_) != FALSE ? window_ : nullptr, prompt,
                     style, title);
}

void Win32FormView::end_program(int status) {
    // The quit message is taken only once the running handler has returned to the loop.
    ending_ = true;
    ::PostQuitMessage(status);
}

}  // namespace plessard::win32
