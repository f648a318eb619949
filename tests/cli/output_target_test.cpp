#include "cli/output_target.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::cli {
namespace {

using testing::TempFolder;

struct SameFileCase {
    const char* name;
    // Makes what the output name names, beside input.txt, and gives that name.
    std::function<std::string(const TempFolder&)> output;
    bool refused;
};

class OutputOverInput : public ::testing::TestWithParam<SameFileCase> {};

TEST_P(OutputOverInput, IsRefusedByTheFileNotTheName) {
    const TempFolder folder;
    folder.write("input.txt", "-1\r\n");
    const auto input = folder.path() / "input.txt";
    const std::string output = GetParam().output(folder);
    const auto read = platform::SystemFile::open(input, platform::FileAccess::read).identity();
    const auto opened = OutputTarget(output).open(input, read);
    const auto* refusal = std::get_if<std::string>(&opened);
    if (GetParam().refused) {
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(*refusal,
                  "--output: " + output + " is " + input.string() + " itself, the file being read");
    } else {
        EXPECT_EQ(refusal, nullptr);
    }
    EXPECT_EQ(folder.read("input.txt"), "-1\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Names, OutputOverInput,
    ::testing::Values(
        SameFileCase{
            "same_name",
            [](const TempFolder& folder) { return (folder.path() / "input.txt").string(); }, true},
        SameFileCase{
            "through_the_folder_again",
            [](const TempFolder& folder) { return (folder.path() / "." / "input.txt").string(); },
            true},
        SameFileCase{"hard_link",
                     [](const TempFolder& folder) {
                         std::filesystem::create_hard_link(folder.path() / "input.txt",
                                                           folder.path() / "link.txt");
                         return (folder.path() / "link.txt").string();
                     },
                     true},
        SameFileCase{"another_file",
                     [](const TempFolder& folder) {
                         folder.write("other.txt", "-1\r\n");
                         return (folder.path() / "other.txt").string();
                     },
                     false},
        SameFileCase{
            "not_there_yet",
            [](const TempFolder& folder) { return (folder.path() / "drawing.svg").string(); },
            false},
        SameFileCase{"standard_output", [](const TempFolder& /*folder*/) { return "-"; }, false}),
    testing::CaseName{});

}  // namespace
}  // namespace plessard::cli
