#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace plessard::cli {

enum class DrawingFormat { svg, dxf };

// Draws a macro file as SVG or DXF into output (UTF-8 text; "-": standard output). An output
// that is the macro file itself is a usage error (exit_usage), and nothing is touched. A file
// the checker finds malformed is refused with its problems as FILE:LINE: message and exit_failure,
// and nothing is written; geometry problems and warnings are reported on err, and the drawing
// shows what the file holds.
[[nodiscard]] int run_drawing(DrawingFormat format, const std::filesystem::path& file,
                              const std::string& output, std::ostream& err);

}  // namespace plessard::cli
