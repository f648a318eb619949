#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/output_file.h"
#include "platform/system_text.h"
#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::cli {
namespace {

using testing::TempFolder;

struct NameCase {
    const char* name;
    std::string_view utf8;
    std::wstring_view utf16;
};

class FileNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(FileNames, ReachTheSystemAsTheSameCharacters) {
    const std::filesystem::path path = path_from_utf8(GetParam().utf8);
#ifdef _WIN32
    EXPECT_EQ(path.native(), GetParam().utf16);
#else
    EXPECT_EQ(path.native(), GetParam().utf8);
#endif
    EXPECT_EQ(platform::path_text(path), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FileNames,
    ::testing::Values(
        NameCase{"ascii", "vb_input.txt", L"vb_input.txt"},
        NameCase{"latin",
                 "Gr\xC3\xB6\xC3\x9F"
                 "e.txt",
                 L"Gr\u00F6\u00DFe.txt"},
        NameCase{"cyrillic_folder", "\xD0\xB4\xD0\xB5\xD1\x82\xD0\xB0\xD0\xBB\xD1\x8C/vb_input.txt",
                 L"\u0434\u0435\u0442\u0430\u043B\u044C/vb_input.txt"},
        NameCase{"cjk_and_euro", "\xE9\x83\xA8\xE5\x93\x81\xE2\x82\xAC.txt",
                 L"\u90E8\u54C1\u20AC.txt"},
        NameCase{"beyond_the_basic_plane", "\xF0\x9F\x93\x90.txt", L"\U0001F4D0.txt"}),
    testing::CaseName());

TEST(FileNames, NameTheFileThatIsWritten) {
    const TempFolder folder;
    const std::string name =
        "Gr\xC3\xB6\xC3\x9F"
        "e\xE9\x83\xA8\xE5\x93\x81 \xE2\x82\xAC.txt";
    auto file = platform::OutputFile::create(folder.path() / path_from_utf8(name));
    file.print_line("-1");
    file.close();
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names.push_back(platform::path_text(entry.path().filename()));
    }
    EXPECT_EQ(names, std::vector<std::string>{name});
}

#ifdef _WIN32
TEST(Utf8Arguments, AreConvertedFromUtf16OneByOne) {
    const wchar_t* const argv[] = {
        L"plessard-macro.exe", L"check", L"\u0434\u0435\u0442\u0430\u043B\u044C\\vb_input.txt",
        L"\u20ACuro.txt",      L"",      L"\xD800x"};
    EXPECT_EQ(utf8_arguments(6, argv),
              (std::vector<std::string>{"plessard-macro.exe", "check",
                                        "\xD0\xB4\xD0\xB5\xD1\x82\xD0\xB0\xD0\xBB\xD1\x8C\\"
                                        "vb_input.txt",
                                        "\xE2\x82\xAC"
                                        "uro.txt",
                                        "", "\xEF\xBF\xBDx"}));
}
#endif

}  // namespace
}  // namespace plessard::cli
