#include "cli/check_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "cli/exit_status.h"
#include "support/temp_folder.h"

namespace plessard::cli {
namespace {

using testing::TempFolder;

const std::filesystem::path data = PLESSARD_TEST_DATA;

struct CheckRun {
    int status;
    std::string out;
    std::string err;
};

CheckRun run(const std::filesystem::path& file) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_check(file, out, err);
    return {status, out.str(), err.str()};
}

TEST(CheckCommand, SummarisesAnAcceptedFile) {
    const auto file = data / "default_array.txt";
    const CheckRun result = run(file);
    EXPECT_EQ(result.status, exit_success);
    EXPECT_EQ(result.out, file.string() +
                              ": accepted\n"
                              "  lines      176\n"
                              "  parts      12\n"
                              "  rectangle  (-1.0, -0.8) to (44.0, 26.4)\n"
                              "  width      45.0\n"
                              "  height     27.2\n");
    EXPECT_EQ(result.err, "");
}

TEST(CheckCommand, ListsEveryProblemOfARejectedFile) {
    const TempFolder folder;
    std::string text = TempFolder::read_file(data / "worked_example.txt");
    text.replace(text.find("1,9.0, 0.0"), 10, "1,9.000, 0.0");
    text.erase(text.find("99\r\n"), 4);
    folder.write("bad.txt", text);
    const auto file = folder.path() / "bad.txt";
    const CheckRun result = run(file);
    EXPECT_EQ(result.status, exit_failure);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, file.string() +
                              ":9: bad number \"9.000\": a trailing zero is written only as the "
                              "first decimal\n" +
                              file.string() +
                              ":21: the contour of part 1 (line 8) has not ended with record 99 "
                              "before the end mark\n");
}

TEST(CheckCommand, ReportsTheFirstHundredProblemsAndCountsTheRest) {
    const TempFolder folder;
    std::string text =
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n";
    for (int i = 0; i < 150; ++i) {
        text += "x\r\n0,1.0, 1.0\r\n99\r\n";
    }
    folder.write("x.txt", text);
    const auto file = folder.path() / "x.txt";
    const CheckRun result = run(file);
    EXPECT_EQ(result.status, exit_failure);
    // 150 unknown records and the missing end mark, 150 single points: the first 100 errors
    // shown, the other 51 and every warning counted.
    EXPECT_TRUE(result.err.starts_with(file.string() + ":8: unknown record \"x\"\n"));
    EXPECT_TRUE(result.err.ends_with(
        "\n" + file.string() +
        ":305: unknown record \"x\"\n... and 51 more errors and 150 more warnings\n"))
        << result.err.substr(result.err.size() - 200);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 101);
}

TEST(CheckCommand, ReportsWarningsBesideTheSummary) {
    const TempFolder folder;
    std::string text = TempFolder::read_file(data / "worked_example.txt");
    text.replace(text.find("104, 11.0"), 9, "104, 9.0");
    folder.write("narrow.txt", text);
    const CheckRun result = run(folder.path() / "narrow.txt");
    EXPECT_EQ(result.status, exit_success);
    EXPECT_NE(result.out.find("  width      10.0\n"), std::string::npos);
    EXPECT_EQ(result.err, (folder.path() / "narrow.txt").string() +
                              ":8: warning: part 1 leaves the enclosing rectangle: it spans "
                              "(0.0, 0.0) to (10.0, 8.0)\n");
}

TEST(CheckCommand, GivesTheSizeOfAHugeRectangleWithoutNoise) {
    const TempFolder folder;
    std::string text = TempFolder::read_file(data / "worked_example.txt");
    text.replace(text.find("104, 11.0"), 9, "104, 100000000000000000000.0");
    folder.write("huge.txt", text);
    EXPECT_NE(run(folder.path() / "huge.txt").out.find("  width      100000000000000000000.0\n"),
              std::string::npos);
}

TEST(CheckCommand, ASummaryThatCannotBeWrittenIsAFailure) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);  // as std::cout on a full disk
    std::ostringstream err;
    EXPECT_EQ(run_check(data / "default_array.txt", out, err), exit_failure);
    EXPECT_EQ(err.str(),
              "Cannot write the summary of " + (data / "default_array.txt").string() + "\n");
}

TEST(CheckCommand, AnUnreadableFileIsAFailure) {
    const TempFolder folder;
    const CheckRun result = run(folder.path() / "none.txt");
    EXPECT_EQ(result.status, exit_failure);
    EXPECT_EQ(result.err, "Cannot open " + (folder.path() / "none.txt").string() +
                              " for reading: No such file or directory\n");
}

}  // namespace
}  // namespace plessard::cli
