#include "win32/gdi_font.h"

#include <utility>

namespace plessard::win32 {

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        Font old(std::exchange(handle_, other.release()));
    }
    return *this;
}

Font::~Font() {
    if (handle_ != nullptr) {
        ::DeleteObject(handle_);
    }
}

HFONT Font::release() noexcept {
    return std::exchange(handle_, nullptr);
}

Font message_font(UINT dots_per_inch) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                                     dots_per_inch) == FALSE) {
        // Without the metrics the stock GUI font still reads well, if at a fixed size.
        return Font(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    }
    return Font(::CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace plessard::win32
