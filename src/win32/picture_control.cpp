#include "win32/picture_control.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "form/dimension_drawing.h"
#include "platform/utf16.h"
#include "win32/bitmap_info.h"
#include "win32/gdi_font.h"
#include "win32/lettering.h"
#include "win32/window_layout.h"

namespace plessard::win32 {
namespace {

// A piece of lettering ready to draw: its text and where its top-left goes at the current
// resolution.
struct PlacedText {
    std::wstring text;
    POINT origin{};
};

// The drawing's pixels as a DIB takes them: blue, green, red.
std::vector<std::uint8_t> bgr_pixels(const form::Picture& picture) {
    // 200 pixels of three bytes need no row padding.
    static_assert(form::drawing_size * 3 % 4 == 0);
    const auto& rgb = picture.bytes();
    std::vector<std::uint8_t> pixels(rgb.size());
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        pixels[i] = rgb[i + 2];
        pixels[i + 1] = rgb[i + 1];
        pixels[i + 2] = rgb[i];
    }
    return pixels;
}

// What the control keeps for its life: the drawing's pixels as the system takes them, its size,
// and its lettering, set for the current resolution.
class PictureState {
  public:
    explicit PictureState(UINT dots_per_inch)
        : PictureState(form::dimension_drawing(), dots_per_inch) {}

    void set_dpi(UINT dots_per_inch) {
        dpi_ = static_cast<int>(dots_per_inch);
        font_ = lettering_font(::MulDiv(form::lettering_cap_height, dpi_, 96));
        for (std::size_t i = 0; i < placed_.size(); ++i) {
            const form::Lettering& piece = lettering_[i];
            PlacedText& placed = placed_[i];
            placed.text = platform::utf16_from_utf8(piece.text);
            // The middle of the ink stands on the given point, scaled as the pixels are.
            const InkBox ink = ink_box(font_.get(), placed.text);
            const form::PixelPoint origin = form::lettering_origin(
                ::MulDiv(piece.centre_x, dpi_, 96), ::MulDiv(piece.centre_y, dpi_, 96),
                {ink.left, ink.top, ink.width(), ink.height()});
            placed.origin = {origin.x, origin.y};
        }
    }

    void paint(HWND window, HDC dc) const {
        RECT client{};
        ::GetClientRect(window, &client);
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));

        const BITMAPINFO info = top_down_bitmap(width_, height_, 24);
        const int width = ::MulDiv(width_, dpi_, 96);
        const int height = ::MulDiv(height_, dpi_, 96);
        // Each picture pixel becomes a block of whole screen pixels, never a blend, so the
        // 1-pixel lines stay sharp on a scaled screen.
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchDIBits(dc, 0, 0, width, height, 0, 0, width_, height_, pixels_.data(), &info,
                        DIB_RGB_COLORS, SRCCOPY);

        const HGDIOBJ old_font = ::SelectObject(dc, font_.get());
        ::SetBkMode(dc, TRANSPARENT);
        const form::Rgb ink = form::lettering_colour;
        ::SetTextColor(dc, RGB(ink.red, ink.green, ink.blue));
        ::SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
        for (const PlacedText& placed : placed_) {
            ::TextOutW(dc, placed.origin.x, placed.origin.y, placed.text.data(),
                       static_cast<int>(placed.text.size()));
        }
        ::SelectObject(dc, old_font);

        if (::GetFocus() == window) {
            // Inside the frame, so a keyboard user sees where the focus is.
            const int inset = ::MulDiv(3, dpi_, 96);
            RECT focus{inset, inset, width - inset, height - inset};
            ::DrawFocusRect(dc, &focus);
        }
    }

  private:
    // Keeps of the drawing only what painting needs; its own pixels are not in the order a DIB
    // takes.
    PictureState(const form::DimensionDrawing& drawing, UINT dots_per_inch)
        : pixels_(bgr_pixels(drawing.picture)),
          width_(drawing.picture.width()),
          height_(drawing.picture.height()),
          lettering_(drawing.lettering) {
        set_dpi(dots_per_inch);
    }

    std::vector<std::uint8_t> pixels_;
    int width_;
    int height_;
    form::LetteringSet lettering_;
    int dpi_ = 96;
    Font font_;
    std::array<PlacedText, std::tuple_size_v<form::LetteringSet>> placed_;
};

PictureState* state_of(HWND window) {
    return reinterpret_cast<PictureState*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK picture_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCCREATE:
            try {
                auto state = std::make_unique<PictureState>(::GetDpiForWindow(window));
                ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                    reinterpret_cast<LONG_PTR>(state.release()));
            } catch (...) {
                return FALSE;  // the window is not created, and its creator says so
            }
            break;
        case WM_NCDESTROY:
            delete state_of(window);
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        case picture_dpi_changed:
            if (PictureState* state = state_of(window)) {
                state->set_dpi(static_cast<UINT>(wparam));
                ::InvalidateRect(window, nullptr, TRUE);
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc = ::BeginPaint(window, &paint);
            if (const PictureState* state = state_of(window)) {
                state->paint(window, dc);
            }
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_LBUTTONDOWN:
            ::SetFocus(window);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_GETDLGCODE:
            // Arrows and characters are the control's own, and it does nothing with them; Tab
            // stays with the dialog manager.
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

void register_picture_class(HINSTANCE instance) {
    WNDCLASSEXW picture_class{};
    picture_class.cbSize = sizeof(picture_class);
    picture_class.lpfnWndProc = picture_procedure;
    picture_class.hInstance = instance;
    picture_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    picture_class.lpszClassName = picture_class_name;
    ::RegisterClassExW(&picture_class);
}

}  // namespace plessard::win32
