#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "input/field_reader.h"
#include "input/part_dimensions.h"

namespace plessard::input {

inline constexpr const char* input_file_name = "vb_input.txt";

// The ways a read of the six numbers is refused: a file that ends too soon, or a field that is
// empty, too long, beyond the read limit, not a number or beyond the single range.
enum class ReadRefusal { short_file, empty, too_long, beyond_limit, not_a_number, beyond_single };
inline constexpr std::array<ReadRefusal, 6> read_refusals{
    ReadRefusal::short_file,   ReadRefusal::empty,        ReadRefusal::too_long,
    ReadRefusal::beyond_limit, ReadRefusal::not_a_number, ReadRefusal::beyond_single};

// The one wording of each refusal, for the file `name`: `index` is the field's (from 0), or for
// a short file the count of numbers it held; `text` is the field's text, quoted where the fault
// lies in it. "Cannot read NAME: field 3 (H1) "8.5mm" is not a number".
[[nodiscard]] std::string refusal_text(ReadRefusal refusal, std::string_view name,
                                       std::size_t index, std::string_view text = {});

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
