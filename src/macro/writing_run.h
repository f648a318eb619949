#pragma once

#include <filesystem>

#include "input/part_dimensions.h"
#include "params/array_parameters.h"
#include "platform/line_sink.h"

namespace plessard::macro {

inline constexpr const char* output_file_name = "vb_output.txt";

// folder / "vb_output.txt"
[[nodiscard]] std::filesystem::path output_file_path(const std::filesystem::path& folder);

// The whole macro: header, contours and the end mark "-1".
void write_macro(platform::LineSink& out, const input::PartDimensions& part,
                 const params::ArrayParameters& array);

// The writing run of the window: opens folder / "vb_output.txt" for output (emptied), writes
// the whole macro and closes it. Raises on any failure; the file is closed on every path out,
// and what was written before a failure stays, without the end mark. An output that is the
// folder's vb_input.txt itself (a hard or symbolic link, even one put in place while the run
// looks) is refused with open_failed before anything is emptied or written.
void write_output_file(const std::filesystem::path& folder, const input::PartDimensions& part,
                       const params::ArrayParameters& array);

}  // namespace plessard::macro
