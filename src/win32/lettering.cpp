#include "win32/lettering.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "form/dimension_drawing.h"
#include "win32/bitmap_info.h"

namespace plessard::win32 {
namespace {

constexpr int scratch_size = 128;

// A memory device context with a 32-bit bitmap selected into it, both freed on the way out.
class Scratch {
  public:
    Scratch() : dc_(::CreateCompatibleDC(nullptr)) {
        const BITMAPINFO info = top_down_bitmap(scratch_size, scratch_size, 32);
        void* bits = nullptr;
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        if (dc_ != nullptr && bitmap_ != nullptr) {
            old_bitmap_ = ::SelectObject(dc_, bitmap_);
        }
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() {
        if (old_bitmap_ != nullptr) {
            ::SelectObject(dc_, old_bitmap_);
        }
        if (bitmap_ != nullptr) {
            ::DeleteObject(bitmap_);
        }
        if (dc_ != nullptr) {
            ::DeleteDC(dc_);
        }
    }

    [[nodiscard]] bool usable() const noexcept {
        return bits_ != nullptr && old_bitmap_ != nullptr;
    }
    [[nodiscard]] HDC dc() const noexcept { return dc_; }
    // Dark enough to count as ink: below the middle grey, as the eye would take it.
    [[nodiscard]] bool inked(int x, int y) const noexcept {
        const std::uint32_t pixel = bits_[y * scratch_size + x];
        const unsigned blue = pixel & 0xFFu;
        const unsigned green = (pixel >> 8) & 0xFFu;
        const unsigned red = (pixel >> 16) & 0xFFu;
        return (red * 11 + green * 16 + blue * 5) / 32 < 128;
    }

  private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

Font serif_font(int height) {
    LOGFONTW face{};
    face.lfHeight = -height;  // the em, not the cell
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfQuality = DEFAULT_QUALITY;
    face.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    constexpr wchar_t name[] = L"Times New Roman";
    static_assert(sizeof(name) <= sizeof(face.lfFaceName));
    std::memcpy(face.lfFaceName, name, sizeof(name));
    return Font(::CreateFontIndirectW(&face));
}

}  // namespace

InkBox ink_box(HFONT font, std::wstring_view text) {
    Scratch scratch;
    if (!scratch.usable()) {
        return {};
    }
    const RECT all{0, 0, scratch_size, scratch_size};
    ::FillRect(scratch.dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const HGDIOBJ old_font = ::SelectObject(scratch.dc(), font);
    ::SetBkMode(scratch.dc(), TRANSPARENT);
    ::SetTextColor(scratch.dc(), RGB(0, 0, 0));
    ::SetTextAlign(scratch.dc(), TA_TOP | TA_LEFT | TA_NOUPDATECP);
    // Drawn away from the edges, so ink that reaches left of or above the origin is seen too.
    constexpr int margin = scratch_size / 4;
    ::TextOutW(scratch.dc(), margin, margin, text.data(), static_cast<int>(text.size()));
    ::GdiFlush();
    ::SelectObject(scratch.dc(), old_font);

    InkBox box{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
               std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    for (int y = 0; y < scratch_size; ++y) {
        for (int x = 0; x < scratch_size; ++x) {
            if (scratch.inked(x, y)) {
                box.left = std::min(box.left, x - margin);
                box.top = std::min(box.top, y - margin);
                box.right = std::max(box.right, x - margin + 1);
                box.bottom = std::max(box.bottom, y - margin + 1);
            }
        }
    }
    return box.right < box.left ? InkBox{} : box;
}

Font lettering_font(int cap_height) {
    // Cap heights run from about 0.6 to 0.75 of the em in serif faces.
    return serif_font(form::closest_lettering_size(
        cap_height, cap_height, cap_height * 2 + 2,
        [](int height) { return ink_box(serif_font(height).get(), L"H").height(); }));
}

}  // namespace plessard::win32
