#include "cli/write_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/exit_status.h"
#include "support/case_name.h"
#include "support/races.h"
#include "support/temp_folder.h"

namespace plessard::cli {
namespace {

using testing::TempFolder;

const std::filesystem::path data = PLESSARD_TEST_DATA;

struct WriteRun {
    int status;
    std::string err;
};

WriteRun run(const WriteOptions& options) {
    std::ostringstream err;
    const int status = run_write(options, err);
    return {status, err.str()};
}

WriteOptions options_in(const TempFolder& folder) {
    WriteOptions options;
    options.input = (data / "vb_input.txt").string();
    options.output = (folder.path() / "vb_output.txt").string();
    return options;
}

TEST(WriteCommand, WritesTheWindowsBytesForTheDefaultArray) {
    const TempFolder folder;
    EXPECT_EQ(run(options_in(folder)).status, exit_success);
    EXPECT_EQ(folder.read("vb_output.txt"), TempFolder::read_file(data / "default_array.txt"));
}

TEST(WriteCommand, WritesTheWorkedExample) {
    const TempFolder folder;
    WriteOptions options = options_in(folder);
    options.nx = "1";
    options.ny = " 1 ";
    const WriteRun result = run(options);
    EXPECT_EQ(result.status, exit_success);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(folder.read("vb_output.txt"), TempFolder::read_file(data / "worked_example.txt"));
}

// A decimal comma is read as the window reads it, and the tool says what it took.
TEST(WriteCommand, WarnsOfMoreThanSixNumbers) {
    const TempFolder folder;
    folder.write("vb_input.txt", "10, 4\r\n8,5, 3\r\n1, 0.5\r\n");
    WriteOptions options = options_in(folder);
    options.input = (folder.path() / "vb_input.txt").string();
    const WriteRun result = run(options);
    EXPECT_EQ(result.status, exit_success);
    EXPECT_EQ(result.err,
              "Warning: " + options.input +
                  " holds more than six numbers; read L1 = 10, L2 = 4, H1 = 8, H2 = 5, "
                  "R1 = 3, R2 = 1 (a comma separates numbers: a decimal comma, as in "
                  "8,5, makes two numbers of one and shifts every dimension after it)\n");
}

struct RejectionCase {
    const char* name;
    const char* dx;
    const char* dy;
    const char* nx;
    const char* ny;
    std::string (*message)(params::ParameterField);
    params::ParameterField field;
};

class Rejections : public ::testing::TestWithParam<RejectionCase> {};

TEST_P(Rejections, GiveTheChecksMessageAndWriteNothing) {
    const TempFolder folder;
    WriteOptions options = options_in(folder);
    options.input = (folder.path() / "missing.txt").string();  // never read
    options.dx = GetParam().dx;
    options.dy = GetParam().dy;
    options.nx = GetParam().nx;
    options.ny = GetParam().ny;
    const WriteRun result = run(options);
    EXPECT_EQ(result.status, exit_usage);
    EXPECT_EQ(result.err, GetParam().message(GetParam().field) + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "vb_output.txt"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Parameters, Rejections,
    ::testing::Values(
        RejectionCase{"dx_empty", "  ", "0.8", "4", "3", params::empty_message, params::ParameterField::DX},
        RejectionCase{"dy_not_numeric", "1", "0,8", "4", "3", params::not_numeric_message, params::ParameterField::DY},
        RejectionCase{"dx_above", "100.5", "0.8", "4", "3", params::range_message, params::ParameterField::DX},
        RejectionCase{"dy_below", "1", "-0.1", "4", "3", params::range_message, params::ParameterField::DY},
        RejectionCase{"nx_above", "1", "0.8", "11", "3", params::range_message, params::ParameterField::NX},
        RejectionCase{"ny_below", "1", "0.8", "4", "0.4", params::range_message, params::ParameterField::NY},
        RejectionCase{"ny_huge", "1", "0.8", "4", "1e10", params::range_message, params::ParameterField::NY},
        RejectionCase{"first_failure_wins", "", "x", "0", "0", params::empty_message, params::ParameterField::DX}),
    testing::CaseName{});
// clang-format on

TEST(WriteCommand, AnOutputThatIsTheInputIsRefused) {
    const TempFolder folder;
    folder.write("vb_input.txt", "10, 4\r\n8, 3\r\n1, 0.5\r\n");
    WriteOptions options = options_in(folder);
    options.input = (folder.path() / "vb_input.txt").string();
    options.output = options.input;
    const WriteRun result = run(options);
    EXPECT_EQ(result.status, exit_usage);
    EXPECT_EQ(result.err, "--output: " + options.output + " is " + options.input +
                              " itself, the file being read\n");
    EXPECT_EQ(folder.read("vb_input.txt"), "10, 4\r\n8, 3\r\n1, 0.5\r\n");
}

TEST(WriteCommand, AnOutputFlippedOntoTheInputNeverEmptiesIt) {
    const TempFolder folder;
    folder.write("vb_input.txt", "10, 4\r\n8, 3\r\n1, 0.5\r\n");
    WriteOptions options = options_in(folder);
    options.input = (folder.path() / "vb_input.txt").string();
    const auto said = [&] {
        const WriteRun result = run(options);
        return result.status == exit_success ? "" : std::to_string(result.status) + result.err;
    };
    testing::expect_input_kept_while_output_flips(
        options.input, options.output, said,
        "2--output: " + options.output + " is " + options.input + " itself, the file being read\n");
}

TEST(WriteCommand, AMissingInputIsAFileError) {
    const TempFolder folder;
    WriteOptions options = options_in(folder);
    options.input = (folder.path() / "vb_input.txt").string();
    const WriteRun result = run(options);
    EXPECT_EQ(result.status, exit_failure);
    EXPECT_EQ(result.err,
              "Cannot open " + options.input + " for reading: No such file or directory\n");
}

TEST(WriteCommand, AnOutputThatCannotBeCreatedIsAFileError) {
    const TempFolder folder;
    WriteOptions options = options_in(folder);
    options.output = (folder.path() / "no-such-folder" / "vb_output.txt").string();
    const WriteRun result = run(options);
    EXPECT_EQ(result.status, exit_failure);
    EXPECT_EQ(result.err,
              "Cannot open " + options.output + " for writing: No such file or directory\n");
}

TEST(WriteCommand, AnOverflowIsAnArithmeticErrorAndLeavesTheFileWithoutEndMark) {
    const TempFolder folder;
    folder.write("vb_input.txt", "1e38, 4\r\n8, 3\r\n1, 0.5\r\n");
    WriteOptions options = options_in(folder);
    options.input = (folder.path() / "vb_input.txt").string();
    options.nx = "10";
    const WriteRun result = run(options);
    EXPECT_EQ(result.status, exit_failure);
    EXPECT_TRUE(result.err.starts_with("Floating-point overflow")) << result.err;
    // Header records 101 to 103 were written before record 104 overflowed.
    EXPECT_EQ(folder.read("vb_output.txt"), "101, -1.0\r\n102, -0.8\r\n103, 0\r\n");
}

}  // namespace
}  // namespace plessard::cli
