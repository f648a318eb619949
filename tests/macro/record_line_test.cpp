#include "macro/record_line.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace plessard::macro {
namespace {

TEST(RecordLine, SpellsEveryKindOfRecord) {
    struct Case {
        std::string line;
        const char* expected;
    };
    const Case cases[] = {
        {record_line(code::rectangle_left, {-1.0F}), "101, -1.0"},
        {record_line(code::rectangle_bottom, {-0.8F}), "102, -0.8"},
        {record_line(code::fixed_103), "103, 0"},
        {record_line(code::rectangle_right, {44.0F}), "104, 44.0"},
        {record_line(code::rectangle_top, {26.4F}), "105, 26.4"},
        {record_line(code::fixed_106), "106, 0"},
        {record_line(code::contours_follow), "111"},
        {record_line(code::start_point, {1.0F, 0.0F}), "0,1.0, 0.0"},
        {record_line(code::line_to, {9.0F, -0.0F}), "1,9.0, 0.0"},
        {record_line(code::arc_ccw, {9.0F, 1.0F, 10.0F, 1.0F}), "3,9.0, 1.0, 10.0, 1.0"},
        {record_line(code::arc_cw, {4.5F, 3.5F, 4.0F, 3.5F}), "2,4.5, 3.5, 4.0, 3.5"},
        {record_line(code::contour_end), "99"},
        {record_line(code::end_mark), "-1"},
        {record_line(code::line_to, {-12.3456F, 1234567.0F}), "1,-12.346, 1234567.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.line, c.expected);
    }
}

TEST(RecordLine, TheWidestNumbersFit) {
    const float widest = -3.4028235e38F;
    const std::string number = "-340282350000000000000000000000000000000.0";
    EXPECT_EQ(record_line(code::arc_cw, {widest, widest, widest, widest}),
              "2," + number + ", " + number + ", " + number + ", " + number);
}

TEST(RecordLine, RefusesWhatNoRecordIs) {
    EXPECT_THROW((void)record_line("1,", {1.0F, 2.0F, 3.0F, 4.0F, 5.0F}), std::length_error);
    EXPECT_THROW((void)record_line("a much too long code", {}), std::length_error);
}

}  // namespace
}  // namespace plessard::macro
