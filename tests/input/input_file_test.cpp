#include "input/input_file.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/error.h"
#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::input {
namespace {

using platform::Error;
using platform::ErrorNumber;
using testing::TempFolder;

PartDimensions read_text(const std::string& data) {
    auto file = FieldReader::from_memory(data, "vb_input.txt");
    return read_part_dimensions(file);
}

struct GoodCase {
    const char* name;
    std::string data;
    PartDimensions part;
};

class GoodInput : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodInput, GivesTheSixNumbers) {
    EXPECT_EQ(read_text(GetParam().data), GetParam().part);
}

const PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

INSTANTIATE_TEST_SUITE_P(
    Files, GoodInput,
    ::testing::Values(
        GoodCase{"three_pairs", "10, 4\r\n8, 3\r\n1, 0.5\r\n", example},
        GoodCase{"six_lines", "10\n4\n8\n3\n1\n0.5", example},
        GoodCase{"one_line", "10,4,8,3,1,0.5", example},
        GoodCase{"bom_and_blank_lines", "\xEF\xBB\xBF\r\n10 4\r\n\r\n8\t3\r\n1, .5\r\n", example},
        GoodCase{"more_than_six", "10,4,8,3,1,0.5,7,not even a number", example},
        GoodCase{"signs_and_exponents",
                 "+1e1, 4., 80e-1, 3E0, -1, -0.5",
                 {10.0F, 4.0F, 8.0F, 3.0F, -1.0F, -0.5F}},
        GoodCase{"zeros_and_tiny", "0 -0 1e-50 0.0 0 0", {0.0F, -0.0F, 0.0F, 0.0F, 0.0F, 0.0F}},
        GoodCase{"single_limits",
                 "3.4028235e38 -3.4028235e38 0.1 0.2 0.3 1.00000005960464477539062500001",
                 {3.4028235e38F, -3.4028235e38F, 0.1F, 0.2F, 0.3F, 1.00000011920928955F}}),
    testing::CaseName());

struct BadCase {
    const char* name;
    std::string data;
    ErrorNumber number;
    const char* description;
};

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, RaisesWithTheFileTheFieldAndTheCause) {
    try {
        (void)read_text(GetParam().data);
        FAIL() << "no error for " << GetParam().name;
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), GetParam().number);
        EXPECT_EQ(std::string(error.what()), GetParam().description);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInput,
    ::testing::Values(
        BadCase{"empty_file", "", ErrorNumber::past_end,
                "Cannot read vb_input.txt: it ends after 0 numbers, and six are needed "
                "(L1, L2, H1, H2, R1, R2)"},
        BadCase{"one_number", "10\r\n", ErrorNumber::past_end,
                "Cannot read vb_input.txt: it ends after 1 number, and six are needed "
                "(L1, L2, H1, H2, R1, R2)"},
        BadCase{"five_numbers", "10, 4\r\n8, 3\r\n1\r\n", ErrorNumber::past_end,
                "Cannot read vb_input.txt: it ends after 5 numbers, and six are needed "
                "(L1, L2, H1, H2, R1, R2)"},
        BadCase{"letters", "10, 4\r\n8, abc\r\n", ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 4 (H2) \"abc\" is not a number"},
        BadCase{"trailing_letters", "12abc 4 8 3 1 0.5", ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 1 (L1) \"12abc\" is not a number"},
        BadCase{"decimal_comma", "10;4;8;3;1;0,5", ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 1 (L1) \"10;4;8;3;1;0\" is not a number"},
        BadCase{"hexadecimal", "10 4 8 3 1 0x1", ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 6 (R2) \"0x1\" is not a number"},
        BadCase{"empty_field", "10,,4,8,3,1", ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 2 (L2) is empty"},
        BadCase{"beyond_single", "10 4 8 3 1e39 0.5", ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 5 (R1) \"1e39\" is beyond the "
                "single-precision range"},
        BadCase{"long_text_is_cut", "10 4 8 3 1 xxxxxxxxxxyyyyyyyyyyzzzzzzzzzzwwwwwwwwwwvvvvv",
                ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 6 (R2) "
                "\"xxxxxxxxxxyyyyyyyyyyzzzzzzzzzzwwwwwwwwww...\" is not a number"},
        BadCase{
            "odd_bytes_escaped", "10 4 8 3 1 \x01\x7f\xc3\xa9\xff", ErrorNumber::bad_field,
            "Cannot read vb_input.txt: field 6 (R2) \"\\x01\\x7F\xc3\xa9\\xFF\" is not a number"},
        BadCase{"field_too_long", "10 " + std::string(65, '1'), ErrorNumber::bad_field,
                "Cannot read vb_input.txt: field 2 (L2) is longer than 64 characters"}),
    testing::CaseName());

// Apart from the table, whose rows are all made when the program starts: 16 MiB each time.
TEST(ReadPartDimensions, NumbersBeyondTheReadLimitAreNotTaken) {
    try {
        (void)read_text("10, 4\r\n" + std::string(16 * 1024 * 1024, '\n') + "8, 3\r\n1, 0.5\r\n");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::bad_field);
        EXPECT_EQ(std::string(error.what()),
                  "Cannot read vb_input.txt: field 3 (H1) lies beyond the first 16777216 bytes of "
                  "the file");
    }
}

// Only a number after the six counts, as a decimal comma leaves one behind; not a note.
TEST(NumberFollows, TellsANumberAfterTheSix) {
    for (const std::string data : {"1 2 3 4 5 6 1e99", "1 2 3 4 5 6 mm", "1 2 3 4 5 6\x1A,7"}) {
        auto file = FieldReader::from_memory(data, "vb_input.txt");
        (void)read_part_dimensions(file);
        EXPECT_EQ(number_follows(file), data.ends_with("1e99")) << data;
    }
}

TEST(ReadPartDimensions, SixtyFourDigitsAreStillAField) {
    const std::string digits = "0." + std::string(61, '0') + "1";
    EXPECT_EQ(read_text(digits + " 1 2 3 4 5").L1, 0.0F);
}

TEST(ReadPartDimensions, AMissingFileNamesItsPath) {
    const TempFolder folder;
    try {
        (void)read_part_dimensions_file(input_file_path(folder.path()));
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::open_failed);
        EXPECT_EQ(std::string(error.what()), "Cannot open " +
                                                 (folder.path() / "vb_input.txt").string() +
                                                 " for reading: No such file or directory");
    }
}

TEST(ReadPartDimensions, ReadsTheFileBesideTheProgram) {
    const TempFolder folder;
    folder.write("vb_input.txt", "10, 4\r\n8, 3\r\n1, 0.5\r\n");
    EXPECT_EQ(read_part_dimensions_file(input_file_path(folder.path())), example);
}

TEST(ReadPartDimensions, AHugeFileCostsOnlyItsFirstFields) {
    const TempFolder folder;
    std::string data = "10 4 8 3 1 0.5\r\n";
    data.append(8 * 1024 * 1024, 'x');
    folder.write("vb_input.txt", data);
    EXPECT_EQ(read_part_dimensions_file(input_file_path(folder.path())), example);
}

}  // namespace
}  // namespace plessard::input
