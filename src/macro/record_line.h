#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace plessard::macro {

// The code texts of the records, exactly as they begin a line.
namespace code {
inline constexpr std::string_view rectangle_left = "101, ";
inline constexpr std::string_view rectangle_bottom = "102, ";
inline constexpr std::string_view fixed_103 = "103, 0";
inline constexpr std::string_view rectangle_right = "104, ";
inline constexpr std::string_view rectangle_top = "105, ";
inline constexpr std::string_view fixed_106 = "106, 0";
inline constexpr std::string_view contours_follow = "111";
inline constexpr std::string_view start_point = "0,";
inline constexpr std::string_view line_to = "1,";
inline constexpr std::string_view arc_ccw = "3,";
inline constexpr std::string_view arc_cw = "2,";
inline constexpr std::string_view contour_end = "99";
inline constexpr std::string_view end_mark = "-1";
}  // namespace code

// The code text directly followed by the operands, each written with fmt and separated by ", ".
// Zero, one, two or four operands.
[[nodiscard]] std::string record_line(std::string_view code_text, std::span<const float> operands);
[[nodiscard]] std::string record_line(std::string_view code_text,
                                      std::initializer_list<float> operands = {});

}  // namespace plessard::macro
