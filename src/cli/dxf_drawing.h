#pragma once

#include <string_view>

#include "macro/macro_check.h"
#include "platform/line_sink.h"

namespace plessard::cli {

// The enclosing rectangle (layer "RECTANGLE") and every contour (layer "PARTS") of a
// well-formed macro file as an ASCII DXF of release 12: LINE and ARC entities, a CIRCLE for an
// arc that ends where it starts and a POINT for a part that is a single point, in the file's
// units, which it does not name. bytes: the file the check was made of, read again for the
// contours.
void write_dxf(platform::LineSink& out, const macro::MacroCheck& check, std::string_view bytes);

}  // namespace plessard::cli
