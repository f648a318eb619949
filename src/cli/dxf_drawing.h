#pragma once

#include "macro/macro_reader.h"
#include "platform/line_sink.h"

namespace plessard::cli {

// The enclosing rectangle (layer "RECTANGLE") and every contour (layer "PARTS") of a
// well-formed macro file as an ASCII DXF of release 12: LINE and ARC entities only, in the
// file's units, which it does not name.
void write_dxf(platform::LineSink& out, const macro::MacroCheck& check);

}  // namespace plessard::cli
