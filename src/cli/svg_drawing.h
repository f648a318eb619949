#pragma once

#include "macro/macro_reader.h"
#include "platform/line_sink.h"

namespace plessard::cli {

// The enclosing rectangle and every contour of a well-formed macro file as an SVG document,
// in the file's units with Y upward, parts numbered in the order written.
void write_svg(platform::LineSink& out, const macro::MacroCheck& check);

}  // namespace plessard::cli
