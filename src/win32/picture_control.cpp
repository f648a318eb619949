#include "win32/picture_control.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "form/dimension_drawing.h"
#include "form/lettering.h"
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

// The drawing's pixels as a DIB takes them: blue, green, red, each row padded to whole 32-bit
// words.
std::vector<std::uint8_t> bgr_pixels(const form::Picture& picture) {
    const auto width = static_cast<std::size_t>(picture.width());
    const std::size_t stride = (width * 3 + 3) / 4 * 4;
    const auto& rgb = picture.bytes();
    std::vector<std::uint8_t> pixels(stride * static_cast<std::size_t>(picture.height()));
    for (std::size_t row = 0; row < static_cast<std::size_t>(picture.height()); ++row) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t from = (row * width + x) * 3;
            const std::size_t to = row * stride + x * 3;
            pixels[to] = rgb[from + 2];
            pixels[to + 1] = rgb[from + 1];
            pixels[to + 2] = rgb[from];
        }
    }
    return pixels;
}

// What the control keeps for its life: the drawing for the current resolution, its pixels as
// the system takes them and its lettering set in a face of that resolution.
class PictureState {
  public:
    explicit PictureState(UINT dots_per_inch) { set_dpi(dots_per_inch); }

    // Asks the core for the drawing at the resolution: drawn for it, never stretched.
    void set_dpi(UINT dots_per_inch) {
        const form::DimensionDrawing drawing =
            form::dimension_drawing(static_cast<double>(dots_per_inch) / 96.0);
        pixels_ = bgr_pixels(drawing.picture);
        size_ = drawing.picture.width();
        dpi_ = static_cast<int>(dots_per_inch);
        font_ = lettering_font(drawing.cap_height);
        for (std::size_t i = 0; i < placed_.size(); ++i) {
            const form::Lettering& piece = drawing.lettering[i];
            PlacedText& placed = placed_[i];
            placed.text = platform::utf16_from_utf8(piece.text);
            // The middle of the ink stands where the core placed it.
            const InkBox ink = ink_box(font_.get(), placed.text);
            const form::PixelPoint origin = form::lettering_origin(
                piece.centre_x, piece.centre_y, {ink.left, ink.top, ink.width(), ink.height()});
            placed.origin = {origin.x, origin.y};
        }
    }

    void paint(HWND window, HDC dc) const {
        RECT client{};
        ::GetClientRect(window, &client);
        ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));

        const BITMAPINFO info = top_down_bitmap(size_, size_, 24);
        // One picture pixel a screen pixel.
        ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(size_), static_cast<DWORD>(size_), 0, 0, 0,
                            static_cast<UINT>(size_), pixels_.data(), &info, DIB_RGB_COLORS);

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
            const int inset = ::MulDiv(form::focus_frame_inset, dpi_, 96);
            RECT focus{inset, inset, size_ - inset, size_ - inset};
            ::DrawFocusRect(dc, &focus);
        }
    }

  private:
    std::vector<std::uint8_t> pixels_;
    int size_ = 0;
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
        case WM_PRINTCLIENT:
            if (const PictureState* state = state_of(window)) {
                state->paint(window, reinterpret_cast<HDC>(wparam));
            }
            return 0;
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
