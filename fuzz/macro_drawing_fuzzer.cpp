// The drawings of `plessard-macro svg` and `dxf` for every file the checker finds well formed,
// whatever its geometry: written without an error, as plain ASCII text, and with no number
// that a viewer or a CAD program could not read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/dxf_drawing.h"
#include "cli/svg_drawing.h"
#include "fuzz_property.h"
#include "macro/macro_check.h"
#include "platform/line_sink.h"
#include "text/ascii.h"

namespace {

using plessard::fuzz::property_failed;
using plessard::fuzz::require;

bool is_letter(char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The word on its own, not inside another ("dominant" holds "nan" but is no number).
bool holds_word(std::string_view line, std::string_view word) {
    for (std::size_t at = line.find(word); at != std::string_view::npos;
         at = line.find(word, at + 1)) {
        const std::size_t after = at + word.size();
        if ((at == 0 || !is_letter(line[at - 1])) &&
            (after == line.size() || !is_letter(line[after]))) {
            return true;
        }
    }
    return false;
}

// Lines of printable ASCII, each ended by CR LF, with only finite numbers in them.
void check_drawing(std::string_view text, std::string_view what) {
    require(text.ends_with("\r\n"), what);
    std::size_t line_start = 0;
    while (line_start < text.size()) {
        const std::size_t line_end = text.find("\r\n", line_start);
        require(line_end != std::string_view::npos, what);
        const std::string_view line = text.substr(line_start, line_end - line_start);
        require(plessard::text::is_printable_ascii(line), what);
        require(!holds_word(line, "nan") && !holds_word(line, "inf"), what);
        line_start = line_end + 2;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const auto check = plessard::macro::check_macro_text(bytes, "vb_output.txt");
        if (!check.well_formed()) {
            return 0;
        }
        plessard::platform::TextBuffer svg;
        plessard::cli::write_svg(svg, check, bytes);
        check_drawing(svg.text(),
                      "the SVG drawing holds a line that is not plain text or a number "
                      "that is not finite");
        plessard::platform::TextBuffer dxf;
        plessard::cli::write_dxf(dxf, check, bytes);
        check_drawing(dxf.text(),
                      "the DXF drawing holds a line that is not plain text or a number "
                      "that is not finite");
    } catch (...) {
        property_failed("drawing a well-formed macro file raised");
    }
    return 0;
}
