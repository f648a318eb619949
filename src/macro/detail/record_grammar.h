#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "macro/record_table.h"

namespace plessard::macro::detail {

// A record line taken apart. `fault` is set when the line is not a record as written; even
// then `record` names the record when its code is known, so that the order of the records can
// still be followed, and `blank` tells an empty line from a garbled one.
struct ParsedLine {
    std::optional<Record> record;
    std::array<double, 4> values{};
    std::array<std::string_view, 4> texts{};  // the numbers as written, into the line
    std::optional<std::string> fault;
    bool blank = false;
};

// One line of a macro file, without its line end, against the record format: printable ASCII,
// a known code with its exact code text, and the record's count of numbers, each exactly as fmt
// writes it, separated by ", ".
[[nodiscard]] ParsedLine parse_line(std::string_view content);

}  // namespace plessard::macro::detail
