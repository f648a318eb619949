#include "win32/lettering.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "form/lettering.h"
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
    // The bitmap's pixels, rows from the top, each a word 0x00RRGGBB.
    [[nodiscard]] std::span<const std::uint32_t> pixels() const noexcept {
        return {bits_, static_cast<std::size_t>(scratch_size) * scratch_size};
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

    const form::InkExtent ink = form::ink_extent(scratch.pixels(), scratch_size);
    if (ink.width == 0) {
        return {};
    }
    const int left = ink.left - margin;
    const int top = ink.top - margin;
    return {left, top, left + ink.width, top + ink.height};
}

Font lettering_font(int cap_height) {
    return serif_font(form::lettering_size(
        cap_height, [](int height) { return ink_box(serif_font(height).get(), L"H").height(); }));
}

}  // namespace plessard::win32
