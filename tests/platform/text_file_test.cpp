#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/error.h"
#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::platform {
namespace {

using testing::TempFolder;

// Every field of the data as "kind:text", so a whole split reads as one string.
std::vector<std::string> fields_of(InputFile file, std::size_t max_length = 64) {
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
    EXPECT_EQ(fields_of(InputFile::from_memory(GetParam().data, "memory")), GetParam().fields);
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
        SplitCase{"empty", "", {}}, SplitCase{"only_blanks", " \r\n\t", {}}),
    testing::CaseName());

TEST(InputFile, StopsAFieldAtItsLimit) {
    EXPECT_EQ(fields_of(InputFile::from_memory("12345,6", "m"), 4),
              (std::vector<std::string>{"long:1234"}));
    EXPECT_EQ(fields_of(InputFile::from_memory("1234,6", "m"), 4),
              (std::vector<std::string>{"1234", "6"}));
}

TEST(InputFile, ReadsFieldsAcrossChunksOfAFile) {
    const TempFolder folder;
    std::string data(5000, ' ');
    data += "1.25\r\n";
    data.append(4090, '\n');
    data += "7";
    folder.write("big.txt", data);
    EXPECT_EQ(fields_of(InputFile::open(folder.path() / "big.txt")),
              (std::vector<std::string>{"1.25", "7"}));
}

TEST(InputFile, OpeningAMissingFileNamesItAndTheCause) {
    const TempFolder folder;
    const auto path = folder.path() / "vb_input.txt";
    try {
        (void)InputFile::open(path);
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::open_failed);
        EXPECT_EQ(error_description(error),
                  "Cannot open " + path.string() + " for reading: No such file or directory");
    }
}

TEST(InputFile, ReadingAFolderRaises) {
    const TempFolder folder;
    std::filesystem::create_directory(folder.path() / "vb_input.txt");
    try {
        auto file = InputFile::open(folder.path() / "vb_input.txt");
        (void)file.next_field(64);
        FAIL();
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("vb_input.txt"), std::string::npos);
    }
}

TEST(OutputFile, WritesEveryLineWithCrLfAndEmptiesTheOldFile) {
    const TempFolder folder;
    folder.write("out.txt", "old content that is longer than the new one\r\n");
    auto file = OutputFile::create(folder.path() / "out.txt");
    file.print_line("101, -1.0");
    file.print_line("");
    file.print_line("-1");
    file.close();
    file.close();  // a second close has nothing left to do
    EXPECT_EQ(folder.read("out.txt"), "101, -1.0\r\n\r\n-1\r\n");
}

TEST(OutputFile, LinesWrittenBeforeAnEarlyExitStay) {
    const TempFolder folder;
    {
        auto file = OutputFile::create(folder.path() / "out.txt");
        file.print_line("101, -1.0");
    }
    EXPECT_EQ(folder.read("out.txt"), "101, -1.0\r\n");
}

TEST(OutputFile, AFullDiskRaisesAtTheLatestOnClose) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    auto file = OutputFile::create("/dev/full");
    try {
        for (int i = 0; i < 3; ++i) {
            file.print_line("1,9.0, 0.0");
        }
        file.close();
        FAIL() << "a write to a full disk passed";
    } catch (const Error& error) {
        EXPECT_EQ(error_description(error), "Cannot write to /dev/full: No space left on device");
    }
}

TEST(OutputFile, AFolderInPlaceOfTheFileRaises) {
#ifdef _WIN32
    GTEST_SKIP() << "the C runtime on Windows reports a folder opened for writing as "
                    "\"Permission denied\"";
#endif
    const TempFolder folder;
    std::filesystem::create_directory(folder.path() / "vb_output.txt");
    try {
        (void)OutputFile::create(folder.path() / "vb_output.txt");
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::open_failed);
        EXPECT_EQ(error_description(error), "Cannot open " +
                                                (folder.path() / "vb_output.txt").string() +
                                                " for writing: Is a directory");
    }
}

TEST(TextBuffer, HoldsTheBytesAFileWould) {
    TextBuffer buffer;
    buffer.print_line("111");
    buffer.print_line("99");
    EXPECT_EQ(buffer.text(), "111\r\n99\r\n");
}

}  // namespace
}  // namespace plessard::platform
