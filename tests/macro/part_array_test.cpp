#include "macro/part_array.h"

#include <gtest/gtest.h>

#include "support/lines.h"

#include <sstream>
#include <string>
#include <vector>

#include "platform/error.h"
#include "support/temp_folder.h"

namespace plessard::macro {
namespace {

using input::PartDimensions;
using params::ArrayParameters;
using platform::TextBuffer;

const PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

using testing::lines_of;

TEST(WritePartArray, OnePartIsTheWorkedExample) {
    TextBuffer out;
    write_part_array(out, example, {1.0F, 0.8F, 1, 1});
    EXPECT_EQ(out.text(),
              "101, -1.0\r\n102, -0.8\r\n103, 0\r\n104, 11.0\r\n105, 8.8\r\n106, 0\r\n111\r\n"
              "0,1.0, 0.0\r\n1,9.0, 0.0\r\n3,9.0, 1.0, 10.0, 1.0\r\n1,10.0, 2.5\r\n"
              "3,9.5, 2.5, 9.5, 3.0\r\n1,4.5, 3.0\r\n2,4.5, 3.5, 4.0, 3.5\r\n1,4.0, 7.5\r\n"
              "3,3.5, 7.5, 3.5, 8.0\r\n1,1.0, 8.0\r\n3,1.0, 7.0, 0.0, 7.0\r\n1,0.0, 1.0\r\n"
              "3,1.0, 1.0, 1.0, 0.0\r\n99\r\n");
}

TEST(WritePartArray, PartsGoColumnByColumn) {
    TextBuffer out;
    write_part_array(out, example, {1.0F, 0.8F, 4, 3});
    const auto lines = lines_of(out.text());
    ASSERT_EQ(lines.size(), 7U + 14U * 12U);
    EXPECT_EQ(lines[3], "104, 44.0");
    EXPECT_EQ(lines[4], "105, 26.4");
    std::vector<std::string> starts;
    for (const auto& line : lines) {
        if (line.starts_with("0,")) {
            starts.push_back(line);
        }
    }
    // The start point is R1 right of each origin (0, 0), (0, 8.8), (0, 17.6), (11, 0) ...
    EXPECT_EQ(starts, (std::vector<std::string>{"0,1.0, 0.0", "0,1.0, 8.8", "0,1.0, 17.6",
                                                "0,12.0, 0.0", "0,12.0, 8.8", "0,12.0, 17.6",
                                                "0,23.0, 0.0", "0,23.0, 8.8", "0,23.0, 17.6",
                                                "0,34.0, 0.0", "0,34.0, 8.8", "0,34.0, 17.6"}));
}

TEST(WritePartArray, SecondContourOfTwoByTwoStartsOneRowUp) {
    TextBuffer out;
    write_part_array(out, {10.0F, 4.0F, 8.0F, 3.0F, 0.0F, 0.0F}, {1.0F, 0.8F, 2, 2});
    const auto lines = lines_of(out.text());
    EXPECT_EQ(lines[7 + 14], "0,0.0, 8.8");
    EXPECT_EQ(lines[7 + 28], "0,11.0, 0.0");
}

struct GoldenCase {
    const char* file;
    PartDimensions part;
    ArrayParameters array;
};

class GoldenFiles : public ::testing::TestWithParam<GoldenCase> {};

// The golden files come from an independent model (tests/tools/golden_macro.py).
TEST_P(GoldenFiles, MatchByteForByte) {
    TextBuffer out;
    write_part_array(out, GetParam().part, GetParam().array);
    out.print_line("-1");
    const auto expected =
        testing::TempFolder::read_file(std::string(PLESSARD_TEST_DATA) + "/" + GetParam().file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(out.text(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arrays, GoldenFiles,
    ::testing::Values(GoldenCase{"default_array.txt", example, {1.0F, 0.8F, 4, 3}},
                      GoldenCase{"array_10x10.txt", example, {1.0F, 0.8F, 10, 10}},
                      GoldenCase{"odd_dimensions.txt",
                                 {-3.0F, 2.5F, 0.0F, -1.0F, 7.25F, 0.0625F},
                                 {0.0F, 0.0F, 2, 3}},
                      GoldenCase{"large_dimensions.txt",
                                 {123456.78F, 0.001F, 99999.9F, -0.0004F, 0.3F, 1e-7F},
                                 {100.0F, 0.05F, 3, 2}}));

TEST(WritePartArray, ZeroDimensionsPutEveryPointOnTheOrigin) {
    TextBuffer out;
    write_part_array(out, {}, {0.0F, 0.0F, 1, 1});
    const auto lines = lines_of(out.text());
    ASSERT_EQ(lines.size(), 21U);
    EXPECT_EQ(lines[0], "101, 0.0");  // -0 has no sign
    EXPECT_EQ(lines[3], "104, 0.0");
    EXPECT_EQ(lines[9], "3,0.0, 0.0, 0.0, 0.0");
    EXPECT_EQ(lines[20], "99");
}

TEST(WritePartArray, EachContourEndsWhereItStarts) {
    TextBuffer out;
    write_part_array(out, {7.3F, 2.9F, 5.1F, 1.7F, 0.45F, 0.33F}, {2.7F, 3.3F, 3, 4});
    const auto lines = lines_of(out.text());
    for (std::size_t first = 7; first < lines.size(); first += 14) {
        const std::string start = lines[first].substr(2);
        const std::string& closing = lines[first + 12];
        EXPECT_TRUE(closing.ends_with(", " + start)) << closing << " vs " << start;
        EXPECT_EQ(lines[first + 13], "99");
    }
}

TEST(WritePartArray, OverflowStopsAtTheRecordAndKeepsTheLinesBefore) {
    TextBuffer out;
    try {
        write_part_array(out, {1e38F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F}, {1.0F, 0.8F, 10, 1});
        FAIL() << "no overflow";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), platform::ErrorNumber::floating_point);
        EXPECT_EQ(std::string(error.what()),
                  "Floating-point overflow: (L1 + DX) * NX in record 104 (line 4) is beyond "
                  "the single-precision range");
    }
    EXPECT_EQ(out.text(), "101, -1.0\r\n102, -0.8\r\n103, 0\r\n");
}

TEST(WritePartArray, OverflowInsideAContourNamesItsLineAndOperand) {
    TextBuffer out;
    const float big = 3.4028235e38F;
    try {
        write_part_array(out, {big, 4.0F, 8.0F, 3.0F, -big, 0.5F}, {0.0F, 0.0F, 1, 1});
        FAIL() << "no overflow";
    } catch (const platform::Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Floating-point overflow: (L1 + X0) - R1 in record 1 (line 9) is beyond "
                  "the single-precision range");
    }
    EXPECT_EQ(lines_of(out.text()).size(), 8U);  // header and the start point
}

TEST(WritePartArray, ATallPartFitsOnceButNotTwice) {
    TextBuffer out;
    const PartDimensions tall{1.0F, 0.5F, 2e38F, 0.0F, 0.0F, 0.0F};
    write_part_array(out, tall, {0.0F, 0.0F, 1, 1});
    EXPECT_EQ(lines_of(out.text()).size(), 21U);
    out.clear();
    try {
        write_part_array(out, tall, {0.0F, 0.0F, 1, 2});
        FAIL() << "no overflow";
    } catch (const platform::Error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Floating-point overflow: (H1 + DY) * NY in record 105 (line 5) is beyond "
                  "the single-precision range");
    }
}

}  // namespace
}  // namespace plessard::macro
