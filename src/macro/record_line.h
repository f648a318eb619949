#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "macro/fmt.h"

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
// One record line built in place, with no allocation: the hot loop of every macro file.
// Zero, one, two or four operands; a longer code or more operands raise std::length_error.
class RecordText {
  public:
    static constexpr std::size_t longest_code = 8;
    static constexpr std::size_t most_operands = 4;

    RecordText(std::string_view code_text, std::span<const float> operands);

    [[nodiscard]] std::string_view view() const noexcept { return {buffer_.data(), size_}; }

  private:
    std::array<char, longest_code + most_operands*(fmt_capacity + 2)> buffer_;
    std::size_t size_ = 0;
};

// Zero, one, two or four operands.
[[nodiscard]] std::string record_line(std::string_view code_text, std::span<const float> operands);
[[nodiscard]] std::string record_line(std::string_view code_text,
                                      std::initializer_list<float> operands = {});

}  // namespace plessard::macro
