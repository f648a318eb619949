#include "macro/record_line.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace plessard::macro {
namespace {

std::string line_of(Record record, std::initializer_list<float> operands = {}) {
    return std::string(RecordLine(record, {operands.begin(), operands.size()}).view());
}

TEST(RecordLine, SpellsEveryKindOfRecord) {
    struct Case {
        std::string line;
        const char* expected;
    };
    const Case cases[] = {
        {line_of(Record::rectangle_left, {-1.0F}), "101, -1.0"},
        {line_of(Record::rectangle_bottom, {-0.8F}), "102, -0.8"},
        {line_of(Record::fixed_103), "103, 0"},
        {line_of(Record::rectangle_right, {44.0F}), "104, 44.0"},
        {line_of(Record::rectangle_top, {26.4F}), "105, 26.4"},
        {line_of(Record::fixed_106), "106, 0"},
        {line_of(Record::contours_follow), "111"},
        {line_of(Record::start_point, {1.0F, 0.0F}), "0,1.0, 0.0"},
        {line_of(Record::line_to, {9.0F, -0.0F}), "1,9.0, 0.0"},
        {line_of(Record::arc_ccw, {9.0F, 1.0F, 10.0F, 1.0F}), "3,9.0, 1.0, 10.0, 1.0"},
        {line_of(Record::arc_cw, {4.5F, 3.5F, 4.0F, 3.5F}), "2,4.5, 3.5, 4.0, 3.5"},
        {line_of(Record::contour_end), "99"},
        {line_of(Record::end_mark), "-1"},
        {line_of(Record::line_to, {-12.3456F, 1234567.0F}), "1,-12.346, 1234567.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.line, c.expected);
    }
}

TEST(RecordLine, TheWidestNumbersFit) {
    const float widest = -3.4028235e38F;
    const std::string number = "-340282350000000000000000000000000000000.0";
    EXPECT_EQ(line_of(Record::arc_cw, {widest, widest, widest, widest}),
              "2," + number + ", " + number + ", " + number + ", " + number);
}

TEST(RecordLine, RefusesAnotherCountOfNumbers) {
    EXPECT_THROW((void)line_of(Record::line_to, {1.0F, 2.0F, 3.0F, 4.0F}), std::invalid_argument);
    EXPECT_THROW((void)line_of(Record::rectangle_left), std::invalid_argument);
    EXPECT_THROW((void)line_of(Record::end_mark, {1.0F}), std::invalid_argument);
}

}  // namespace
}  // namespace plessard::macro
