#include "platform/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/error.h"
#include "support/temp_folder.h"

namespace plessard::platform {
namespace {

using testing::TempFolder;

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

TEST(TextBuffer, HoldsTheBytesAFileWould) {
    TextBuffer buffer;
    buffer.print_line("111");
    buffer.print_line("99");
    EXPECT_EQ(buffer.text(), "111\r\n99\r\n");
}

}  // namespace
}  // namespace plessard::platform
