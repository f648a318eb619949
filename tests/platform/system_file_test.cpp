#include "platform/system_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "platform/error.h"
#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::platform {
namespace {

using testing::TempFolder;

struct OpenCase {
    const char* name;
    std::function<std::filesystem::path(const TempFolder&)> prepare;
    FileAccess access;
    const char* description;  // after "Cannot open PATH"
};

class OpenFailures : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenFailures, NameThePathAndTheCause) {
    const TempFolder folder;
    const std::filesystem::path path = GetParam().prepare(folder);
    try {
        (void)SystemFile::open(path, GetParam().access);
        FAIL() << "opened " << path;
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::open_failed);
        EXPECT_EQ(error_description(error),
                  "Cannot open " + path.string() + GetParam().description);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OpenFailures,
    ::testing::Values(
        OpenCase{"missing_file",
                 [](const TempFolder& folder) { return folder.path() / "vb_input.txt"; },
                 FileAccess::read, " for reading: No such file or directory"},
        OpenCase{"folder_for_writing",
                 [](const TempFolder& folder) {
                     std::filesystem::create_directory(folder.path() / "vb_output.txt");
                     return folder.path() / "vb_output.txt";
                 },
                 FileAccess::write, " for writing: Is a directory"},
        OpenCase{"missing_folder_for_writing",
                 [](const TempFolder& folder) {
                     return folder.path() / "no-such-folder" / "vb_output.txt";
                 },
                 FileAccess::write, " for writing: No such file or directory"}),
    testing::CaseName{});

TEST(SystemFile, ReadingAFolderRaisesWithItsName) {
    const TempFolder folder;
    std::filesystem::create_directory(folder.path() / "vb_input.txt");
    try {
        auto file = SystemFile::open(folder.path() / "vb_input.txt", FileAccess::read);
        char byte = 0;
        (void)file.read(&byte, 1);
        FAIL();
    } catch (const Error& error) {
        EXPECT_TRUE(error.number() == ErrorNumber::open_failed ||
                    error.number() == ErrorNumber::read_failed);
        EXPECT_NE(error_description(error).find("vb_input.txt"), std::string::npos);
    }
}

}  // namespace
}  // namespace plessard::platform
