#include "win32/plain_button.h"

#include <commctrl.h>

namespace plessard::win32 {
namespace {

constexpr UINT_PTR subclass_id = 1;

LRESULT CALLBACK plain_button_procedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    switch (message) {
        case BM_SETSTYLE:
            if ((wparam & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                wparam = (wparam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_PUSHBUTTON;
            }
            break;
        case WM_GETDLGCODE:
            return (::DefSubclassProc(button, message, wparam, lparam) &
                    ~static_cast<LRESULT>(DLGC_DEFPUSHBUTTON)) |
                   DLGC_UNDEFPUSHBUTTON;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(button, plain_button_procedure, subclass_id);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(button, message, wparam, lparam);
}

}  // namespace

void keep_plain(HWND button) {
    ::SetWindowSubclass(button, plain_button_procedure, subclass_id, 0);
}

}  // namespace plessard::win32
