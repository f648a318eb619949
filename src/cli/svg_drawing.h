#pragma once

#include <string_view>

#include "macro/macro_check.h"
#include "platform/line_sink.h"

namespace plessard::cli {

// The enclosing rectangle and every contour of a well-formed macro file as an SVG document,
// parts numbered in the order written (up to a thousand of them), a part that is a single point
// as a dot. The outlines keep the file's numbers, Y upward, under one transform into a picture
// 800 units across, where the numbers are set. bytes: the file the check was made of, read
// again for the contours, once.
void write_svg(platform::LineSink& out, const macro::MacroCheck& check, std::string_view bytes);

}  // namespace plessard::cli
