#pragma once

#include <filesystem>

#include "input/field_reader.h"
#include "input/part_dimensions.h"

namespace plessard::input {

inline constexpr const char* input_file_name = "vb_input.txt";

// folder / "vb_input.txt"
[[nodiscard]] std::filesystem::path input_file_path(const std::filesystem::path& folder);

// The first six number fields of the file, L1, L2, H1, H2, R1, R2, each read straight into a
// single. Returns a complete record or raises; nothing after the sixth field is read.
[[nodiscard]] PartDimensions read_part_dimensions(FieldReader& file);
[[nodiscard]] PartDimensions read_part_dimensions_file(const std::filesystem::path& path);

// Whether the field after those read is a number, after read_part_dimensions: a file of more
// than six numbers most likely has a decimal comma in it ("8,5" is two numbers), and every
// dimension after it is another one's. Reads one more field at most, within the reader's limit,
// so the look costs no more than the read before it could. Raises read_failed as the read does.
[[nodiscard]] bool number_follows(FieldReader& file);

}  // namespace plessard::input
