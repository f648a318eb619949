#include "cli/drawing_command.h"

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

struct FormatCase {
    const char* name;
    DrawingFormat format;
    const char* first_line;
};

class Drawings : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Drawings, AreWrittenForAWellFormedFile) {
    const TempFolder folder;
    const auto out = folder.path() / "drawing";
    std::ostringstream err;
    EXPECT_EQ(run_drawing(GetParam().format, data / "default_array.txt", out.string(), err),
              exit_success);
    EXPECT_EQ(err.str(), "");
    EXPECT_TRUE(TempFolder::read_file(out).starts_with(GetParam().first_line));
}

TEST_P(Drawings, RefuseAMalformedFileAndWriteNothing) {
    const TempFolder folder;
    std::string text = TempFolder::read_file(data / "worked_example.txt");
    text.replace(text.find("0,1.0, 0.0"), 10, "0,1.0, -0.0");
    folder.write("bad.txt", text);
    const auto out = folder.path() / "drawing";
    std::ostringstream err;
    EXPECT_EQ(run_drawing(GetParam().format, folder.path() / "bad.txt", out.string(), err),
              exit_failure);
    EXPECT_EQ(err.str(), (folder.path() / "bad.txt").string() +
                             ":8: bad number \"-0.0\": zero is written without a sign\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_P(Drawings, DrawDespiteGeometryProblemsAndSaySo) {
    const TempFolder folder;
    std::string text = TempFolder::read_file(data / "worked_example.txt");
    text.replace(text.find("1,0.0, 1.0"), 10, "1,0.0, 2.0");
    folder.write("open.txt", text);
    const auto out = folder.path() / "drawing";
    std::ostringstream err;
    EXPECT_EQ(run_drawing(GetParam().format, folder.path() / "open.txt", out.string(), err),
              exit_success);
    EXPECT_EQ(err.str(), (folder.path() / "open.txt").string() +
                             ":20: the arc changes its radius: 1.4142 from the centre (1.0, 1.0) "
                             "to its start (0.0, 2.0), 1.0 to its end (1.0, 0.0)\n");
    EXPECT_TRUE(std::filesystem::exists(out));
}

TEST_P(Drawings, RefuseToDrawOverTheMacroFile) {
    const TempFolder folder;
    const std::string text = TempFolder::read_file(data / "worked_example.txt");
    folder.write("macro.txt", text);
    const auto file = folder.path() / "macro.txt";
    std::ostringstream err;
    EXPECT_EQ(run_drawing(GetParam().format, file, file.string(), err), exit_usage);
    EXPECT_EQ(err.str(), "--output: " + file.string() + " is " + file.string() +
                             " itself, the file being read\n");
    EXPECT_EQ(folder.read("macro.txt"), text);
}

TEST_P(Drawings, AnOutputFlippedOntoTheMacroFileNeverReplacesIt) {
    const TempFolder folder;
    folder.write("m.txt", TempFolder::read_file(data / "worked_example.txt"));
    const auto file = folder.path() / "m.txt";
    const auto out = folder.path() / "out.txt";
    const auto said = [&] {
        std::ostringstream err;
        const int status = run_drawing(GetParam().format, file, out.string(), err);
        return status == exit_success ? "" : std::to_string(status) + err.str();
    };
    testing::expect_input_kept_while_output_flips(
        file, out, said,
        "2--output: " + out.string() + " is " + file.string() + " itself, the file being read\n");
}

INSTANTIATE_TEST_SUITE_P(Formats, Drawings,
                         ::testing::Values(FormatCase{"svg", DrawingFormat::svg, "<?xml "},
                                           FormatCase{"dxf", DrawingFormat::dxf,
                                                      "  0\r\nSECTION\r\n"}),
                         testing::CaseName{});

}  // namespace
}  // namespace plessard::cli
