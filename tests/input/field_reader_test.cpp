#include "input/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::input {
namespace {

using testing::TempFolder;

// The text as an editor saves it in UTF-16 LE (or BE), with its byte-order mark.
std::string utf16_bytes(std::u16string_view text, bool big_endian = false) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const auto low = static_cast<char>(unit & 0xFFU), high = static_cast<char>(unit >> 8U);
        bytes.append({big_endian ? high : low, big_endian ? low : high});
    }
    return bytes;
}

// Every field of the data as "kind:text", so a whole split reads as one string.
std::vector<std::string> fields_of(FieldReader file, std::size_t max_length = 64) {
    std::vector<std::string> result;
    for (;;) {
        const Field field = file.next_field(max_length);
        switch (field.kind) {
            case Field::Kind::end:
                return result;
            case Field::Kind::empty:
                result.emplace_back("empty");
                break;
            case Field::Kind::too_long:
                result.push_back("long:" + field.text);
                return result;
            case Field::Kind::beyond:
                result.push_back("beyond:" + field.text);
                return result;
            case Field::Kind::text:
                result.push_back(field.text);
                break;
        }
    }
}

struct SplitCase {
    const char* name;
    std::string data;
    std::vector<std::string> fields;
};

class FieldSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FieldSplit, SplitsAtCommasBlanksAndLineEnds) {
    EXPECT_EQ(fields_of(FieldReader::from_memory(GetParam().data, "memory")), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Data, FieldSplit,
    ::testing::Values(
        SplitCase{"pairs_crlf", "10, 4\r\n8, 3\r\n1, 0.5\r\n", {"10", "4", "8", "3", "1", "0.5"}},
        SplitCase{"one_per_line_lf", "1\n2\n3\n", {"1", "2", "3"}},
        SplitCase{"old_mac_cr", "1\r2\r3", {"1", "2", "3"}},
        SplitCase{"one_line_commas", "1,2,3", {"1", "2", "3"}},
        SplitCase{"blanks_and_tabs", " \t1 \t2\t,3 ", {"1", "2", "3"}},
        SplitCase{"blank_lines", "\r\n\r\n1\n\n\n2\r\n\r\n", {"1", "2"}},
        SplitCase{"trailing_comma", "1,2,", {"1", "2"}},
        SplitCase{"comma_at_line_end", "1,\r\n2", {"1", "2"}},
        SplitCase{"two_commas", "1,,2", {"1", "empty", "2"}},
        SplitCase{"commas_with_blanks", "1, ,2", {"1", "empty", "2"}},
        SplitCase{"leading_comma", ",1", {"empty", "1"}},
        SplitCase{"comma_after_line_end", "1\n,2", {"1", "2"}},
        SplitCase{"comma_alone_on_a_line", "1\r\n,\r\n2", {"1", "2"}},
        SplitCase{"two_commas_across_lines", "1,\r\n,2", {"1", "empty", "2"}},
        SplitCase{"bom",
                  "\xEF\xBB\xBF"
                  "1,2",
                  {"1", "2"}},
        SplitCase{"half_bom",
                  "\xEF\xBB"
                  "1,2",
                  {"\xEF\xBB"
                   "1",
                   "2"}},
        SplitCase{"bom_only_at_start",
                  "1,\xEF\xBB\xBF"
                  "2",
                  {"1",
                   "\xEF\xBB\xBF"
                   "2"}},
        SplitCase{"nul_byte",
                  std::string("1\0"
                              "2,3",
                              5),
                  {std::string("1\0"
                               "2",
                               3),
                   "3"}},
        SplitCase{"empty", "", {}}, SplitCase{"only_blanks", " \r\n\t", {}},
        SplitCase{"ctrl_z_ends_the_text", "1,0.5\x1A,7\r\n", {"1", "0.5"}},
        SplitCase{"utf16le", utf16_bytes(u"10, 4\r\n0.5\x1A 7"), {"10", "4", "0.5"}},
        SplitCase{"utf16be_beyond_ascii",
                  utf16_bytes(u"\u00E9\U0001F600,\uFF18", true),
                  {"\xC3\xA9\xF0\x9F\x98\x80", "\xEF\xBC\x98"}},
        // What is not a character reads as U+FFFD: a lone surrogate, a last half of a unit.
        SplitCase{
            "utf16_broken", utf16_bytes(u"1\xD800,2") + "3", {"1\xEF\xBF\xBD", "2\xEF\xBF\xBD"}}),
    testing::CaseName());

TEST(FieldReader, StopsAFieldAtItsLimit) {
    EXPECT_EQ(fields_of(FieldReader::from_memory("12345,6", "m"), 4),
              (std::vector<std::string>{"long:1234"}));
    EXPECT_EQ(fields_of(FieldReader::from_memory("1234,6", "m"), 4),
              (std::vector<std::string>{"1234", "6"}));
}

struct LimitCase {
    const char* name;
    std::string head;
    std::size_t blanks;  // after the head, before the text; made only when the case runs
    std::string text;
    std::vector<std::string> fields;
};

class ReadLimit : public ::testing::TestWithParam<LimitCase> {};

// A reader's limit, here over three chunks of a file and a bit: nothing past it is taken, from
// a file or from memory; blanks without end before the numbers stop the reader there.
constexpr std::size_t limit = 3 * 4096 + 100;

TEST_P(ReadLimit, StopsTheFieldsThere) {
    const LimitCase& row = GetParam();
    std::string data = row.head;
    data.append(row.blanks, ' ');
    data += row.text;
    EXPECT_EQ(fields_of(FieldReader::from_memory(data, "memory", limit)), row.fields);
    const TempFolder folder;
    folder.write("blanks.txt", data);
    EXPECT_EQ(fields_of(FieldReader::open(folder.path() / "blanks.txt", limit)), row.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Data, ReadLimit,
    ::testing::Values(LimitCase{"last_byte_within", "", limit - 1, "7", {"7"}},
                      LimitCase{"field_across_the_limit", "", limit - 1, "78", {"beyond:7"}},
                      LimitCase{"field_past_the_limit", "", limit, "7", {"beyond:"}},
                      LimitCase{"blanks_past_the_limit", "", limit + 5000, "7", {"beyond:"}},
                      LimitCase{"fields_then_blanks", "1,2", limit, "", {"1", "2", "beyond:"}}),
    testing::CaseName());

// In UTF-16 too the limit counts the bytes of the file, and a character may lie across chunks.
TEST(FieldReader, ReadsUtf16ByTheBytesOfTheFile) {
    EXPECT_EQ(fields_of(FieldReader::from_memory(utf16_bytes(u"1,23"), "m", 7)),
              (std::vector<std::string>{"1", "beyond:"}));
    const TempFolder folder;
    folder.write("utf16.txt", utf16_bytes(std::u16string(2046, u' ') + u"\U0001F600"));
    EXPECT_EQ(fields_of(FieldReader::open(folder.path() / "utf16.txt")),
              (std::vector<std::string>{"\xF0\x9F\x98\x80"}));
}

TEST(FieldReader, ReadsFieldsAcrossChunksOfAFile) {
    const TempFolder folder;
    std::string data(5000, ' ');
    data += "1.25\r\n";
    data.append(4090, '\n');
    data += "7";
    folder.write("big.txt", data);
    EXPECT_EQ(fields_of(FieldReader::open(folder.path() / "big.txt")),
              (std::vector<std::string>{"1.25", "7"}));
}

}  // namespace
}  // namespace plessard::input
