#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace plessard::macro {

// Every kind of record a macro file holds, in the order of record_table.
enum class Record {
    rectangle_left,
    rectangle_bottom,
    fixed_103,
    rectangle_right,
    rectangle_top,
    fixed_106,
    contours_follow,
    start_point,
    line_to,
    arc_ccw,
    arc_cw,
    contour_end,
    end_mark,
};

struct RecordForm {
    Record record;
    std::string_view name;       // as an operator names it: "101", "0", "-1"
    std::string_view code_text;  // exactly as it begins the line
    std::size_t operands;
};

// The one description of the records, which the writer and the checker both go by. The seven
// header records come first, in the order they are written.
inline constexpr std::array<RecordForm, 13> record_table{{
    {Record::rectangle_left, "101", "101, ", 1},
    {Record::rectangle_bottom, "102", "102, ", 1},
    {Record::fixed_103, "103", "103, 0", 0},
    {Record::rectangle_right, "104", "104, ", 1},
    {Record::rectangle_top, "105", "105, ", 1},
    {Record::fixed_106, "106", "106, 0", 0},
    {Record::contours_follow, "111", "111", 0},
    {Record::start_point, "0", "0,", 2},
    {Record::line_to, "1", "1,", 2},
    {Record::arc_ccw, "3", "3,", 4},
    {Record::arc_cw, "2", "2,", 4},
    {Record::contour_end, "99", "99", 0},
    {Record::end_mark, "-1", "-1", 0},
}};

inline constexpr std::size_t header_records = 7;

static_assert(
    [] {
        for (std::size_t i = 0; i < record_table.size(); ++i) {
            if (record_table[i].record != static_cast<Record>(i)) {
                return false;
            }
        }
        return record_table.back().record == Record::end_mark;
    }(),
    "record_table must hold every Record once, in the order of the enum");

// The row of a record.
[[nodiscard]] constexpr const RecordForm& form_of(Record record) noexcept {
    return record_table[static_cast<std::size_t>(record)];
}

// "record 101", "record -1": a record as messages name it.
[[nodiscard]] inline std::string record_name(Record record) {
    return "record " + std::string(form_of(record).name);
}

// One of the seven header records 101 to 111.
[[nodiscard]] constexpr bool is_header(Record record) noexcept {
    return static_cast<std::size_t>(record) < header_records;
}

}  // namespace plessard::macro
