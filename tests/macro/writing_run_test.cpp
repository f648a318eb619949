#include "macro/writing_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/error.h"
#include "support/races.h"
#include "support/temp_folder.h"

namespace plessard::macro {
namespace {

using platform::Error;
using platform::ErrorNumber;
using testing::TempFolder;

const input::PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

std::string golden(const char* name) {
    return TempFolder::read_file(std::string(PLESSARD_TEST_DATA) + "/" + name);
}

TEST(WriteOutputFile, WritesTheWholeFileBesideTheInput) {
    const TempFolder folder;
    folder.write("vb_output.txt", std::string(100000, 'x'));  // an older, longer file
    write_output_file(folder.path(), example, {1.0F, 0.8F, 4, 3});
    EXPECT_EQ(folder.read("vb_output.txt"), golden("default_array.txt"));
}

TEST(WriteOutputFile, OverflowLeavesTheLinesBeforeWithoutTheEndMark) {
    const TempFolder folder;
    try {
        write_output_file(folder.path(), {1e38F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F},
                          {1.0F, 0.8F, 10, 1});
        FAIL() << "no overflow";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::floating_point);
    }
    // The file was closed on the way out, so its lines are all there and it can be removed.
    EXPECT_EQ(folder.read("vb_output.txt"), "101, -1.0\r\n102, -0.8\r\n103, 0\r\n");
    EXPECT_TRUE(std::filesystem::remove(folder.path() / "vb_output.txt"));
}

TEST(WriteOutputFile, AFolderInPlaceOfTheFileRaisesAndWritesNothing) {
    const TempFolder folder;
    std::filesystem::create_directory(folder.path() / "vb_output.txt");
    try {
        write_output_file(folder.path(), example, {1.0F, 0.8F, 1, 1});
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::open_failed);
        EXPECT_EQ(std::string(error.what()), "Cannot open " +
                                                 (folder.path() / "vb_output.txt").string() +
                                                 " for writing: Is a directory");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "vb_output.txt"));
}

TEST(WriteOutputFile, AFullDiskRaises) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    const TempFolder folder;
    std::filesystem::create_symlink("/dev/full", folder.path() / "vb_output.txt");
    for (const params::ArrayParameters array :
         {params::ArrayParameters{1.0F, 0.8F, 1, 1}, params::ArrayParameters{1.0F, 0.8F, 10, 10}}) {
        try {
            write_output_file(folder.path(), example, array);
            FAIL() << "a full disk passed silently";
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot write to " +
                                                     (folder.path() / "vb_output.txt").string() +
                                                     ": No space left on device");
        }
    }
}

// A vb_output.txt that is vb_input.txt under another name would be emptied with it.
TEST(WriteOutputFile, AnOutputLinkedToTheInputIsRefusedAndTheInputKept) {
    for (const bool hard : {true, false}) {
        const TempFolder folder;
        const auto input = folder.path() / "vb_input.txt";
        const auto output = folder.path() / "vb_output.txt";
        folder.write("vb_input.txt", "10, 4\r\n8, 3\r\n1, 0.5\r\n");
        std::error_code unsupported;  // wine makes no symbolic links
        hard ? std::filesystem::create_hard_link(input, output)
             : std::filesystem::create_symlink(input, output, unsupported);
        if (unsupported) {
            continue;
        }
        try {
            write_output_file(folder.path(), example, {1.0F, 0.8F, 1, 1});
            FAIL() << "the input was written over";
        } catch (const Error& error) {
            EXPECT_EQ(error.what(),
                      "Cannot open " + output.string() + " for writing: it is " + input.string() +
                          " itself (a link to the same file), which holds the part dimensions "
                          "and would be lost");
        }
        EXPECT_EQ(folder.read("vb_input.txt"), "10, 4\r\n8, 3\r\n1, 0.5\r\n");
    }
}

TEST(WriteOutputFile, AnOutputFlippedOntoTheInputNeverEmptiesIt) {
    const TempFolder folder;
    folder.write("vb_input.txt", "10, 4\r\n8, 3\r\n1, 0.5\r\n");
    const auto input = folder.path() / "vb_input.txt";
    const auto output = folder.path() / "vb_output.txt";
    const auto said = [&] {
        try {
            write_output_file(folder.path(), example, {1.0F, 0.8F, 1, 1});
            return std::string();
        } catch (const Error& error) {
            return std::string(error.what());
        }
    };
    testing::expect_input_kept_while_output_flips(
        input, output, said,
        "Cannot open " + output.string() + " for writing: it is " + input.string() +
            " itself (a link to the same file), which holds the part dimensions and would be lost");
}

TEST(WriteMacro, EndsWithTheEndMark) {
    platform::TextBuffer out;
    write_macro(out, example, {1.0F, 0.8F, 10, 10});
    EXPECT_EQ(out.text(), golden("array_10x10.txt"));
}

}  // namespace
}  // namespace plessard::macro
