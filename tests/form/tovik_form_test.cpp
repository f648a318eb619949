#include "form/tovik_form.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "form/form_layout.h"
#include "input/input_file.h"
#include "macro/writing_run.h"
#include "params/parameter_rules.h"
#include "platform/error.h"
#include "platform/system_text.h"
#include "recording_view.h"
#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::form {
namespace {

using testing::TempFolder;
using Captions = std::array<std::string, 6>;
using Texts = std::array<std::string, 4>;

// The part of the worked example, in the layout the host writes.
const std::string example_input = "10, 4\r\n8, 3\r\n1, 0.5\r\n";
const Captions example_captions{" 10", " 4", " 8", " 3", " 1", " 0.5"};
const input::PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

std::string golden(const char* name) {
    return TempFolder::read_file(std::string(PLESSARD_TEST_DATA) + "/" + name);
}

// A loaded form working in a fresh folder.
struct LoadedForm {
    LoadedForm() { form.Form_Load(); }

    void read(const std::string& input) {
        folder.write("vb_input.txt", input);
        form.Command1_Click();
    }
    void create(const Texts& texts) {
        view.texts = texts;
        form.Command2_Click();
    }
    [[nodiscard]] bool has_output() const {
        return std::filesystem::exists(folder.path() / "vb_output.txt");
    }

    TempFolder folder;
    RecordingView view;
    Tovik_form form{folder.path(), view};
};

// The description the core gives for a failure, so the box can be held to it word for word.
template <typename Action>
std::string description_of(Action&& action) {
    try {
        action();
    } catch (const platform::Error& error) {
        return error.what();
    }
    return "(no error)";
}

std::string read_error(const std::filesystem::path& folder) {
    return description_of(
        [&] { (void)input::read_part_dimensions_file(input::input_file_path(folder)); });
}

ShownMessage file_error(const std::string& description) {
    return {description, MessageStyle::exclamation, "File Error"};
}

// Whether README.txt of the Windows archive lists the box, where the operator looks it up: its
// entries are the lines indented by two blanks under "Every message the window can show", with
// the folder as "...\" and a quoted field as an example (compared as "").
bool readme_lists(std::string message, const std::filesystem::path& folder = {}) {
    const std::regex quoted("\"[^\"]*\"");
    static const std::set<std::string> listed = [&] {
        const std::string readme = TempFolder::read_file(PLESSARD_WINDOWS_README);
        const std::size_t start = readme.find("Every message the window can show\n");
        std::istringstream list(readme.substr(start, readme.find("\n---", start + 40) - start));
        std::set<std::string> entries;
        for (std::string line; std::getline(list, line);) {
            if (line.starts_with("  ") && line[2] != ' ') {
                entries.insert(std::regex_replace(line.substr(2), quoted, "\"\""));
            }
        }
        return entries;
    }();
    const std::string shown = platform::path_text(folder / "");
    for (auto at = message.find(shown); !folder.empty() && at != std::string::npos;
         at = message.find(shown, at)) {
        message.replace(at, shown.size(), "...\\");
    }
    return listed.contains(std::regex_replace(message, quoted, "\"\""));
}

TEST(FormLoad, GivesTheStartState) {
    LoadedForm window;
    EXPECT_EQ(window.view.texts, (Texts{"1", "0.8", "4", "3"}));
    EXPECT_EQ(window.view.captions, Captions{});
    EXPECT_FALSE(window.view.command2_enabled);
    EXPECT_EQ(window.form.part_dimensions(), input::PartDimensions{});
    EXPECT_TRUE(window.view.messages.empty());
    EXPECT_FALSE(window.view.focus.has_value());
}

struct ReadCase {
    const char* name;
    std::string input;
    Captions captions;
};

class Read : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Read, ShowsTheSixValuesAndEnablesCreate) {
    LoadedForm window;
    for (int press = 0; press < 2; ++press) {  // a second read of the same file changes nothing
        window.read(GetParam().input);
        EXPECT_TRUE(window.view.messages.empty());
        EXPECT_EQ(window.view.captions, GetParam().captions);
        EXPECT_TRUE(window.view.command2_enabled);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Read,
    ::testing::Values(ReadCase{"three_pairs", example_input, example_captions},
                      ReadCase{"six_lines", "10\n4\n8\n3\n1\n0.5\n", example_captions},
                      ReadCase{"one_line", "10,4,8,3,1,0.5", example_captions},
                      ReadCase{"more_than_six", "10, 4\n8, 3\n1, 0.5\n99, junk\n",
                               example_captions},
                      ReadCase{"negative_and_zero",
                               "-2.5, 0\n1e3, 0.001\n-0, 123456.7\n",
                               {"-2.5", " 0", " 1000", " 0.001", " 0", " 123456.7"}}),
    plessard::testing::CaseName());

TEST(Read, AMissingFileShowsItsErrorAndChangesNothing) {
    LoadedForm window;
    window.form.Command1_Click();
    EXPECT_EQ(window.view.messages,
              std::vector<ShownMessage>{file_error(read_error(window.folder.path()))});
    EXPECT_TRUE(readme_lists(read_error(window.folder.path()), window.folder.path()));
    EXPECT_EQ(window.view.captions, Captions{});
    EXPECT_FALSE(window.view.command2_enabled);
    EXPECT_EQ(window.form.part_dimensions(), input::PartDimensions{});
}

// A short file after a good read changes nothing: labels, record and what is written.
TEST(Read, AShortFileAfterAGoodReadKeepsTheEarlierPart) {
    LoadedForm window;
    window.read(example_input);
    window.read("20, 5\n9, 4\n2\n");
    EXPECT_EQ(window.view.messages,
              std::vector<ShownMessage>{file_error(read_error(window.folder.path()))});
    EXPECT_EQ(window.view.captions, example_captions);
    EXPECT_TRUE(window.view.command2_enabled);
    EXPECT_EQ(window.form.part_dimensions(), example);

    window.create({"1", "0.8", "1", "1"});
    EXPECT_EQ(window.view.messages.size(), 1U);
    EXPECT_EQ(window.folder.read("vb_output.txt"), golden("worked_example.txt"));
}

// The folder's name reaches the box as the user would read it, whatever its letters.
TEST(Read, ANonAsciiFolderReachesTheBoxIntact) {
    const TempFolder parent;
    const std::filesystem::path folder = parent.path() / std::u8string(u8"Größe部品 €");
    std::filesystem::create_directory(folder);
    RecordingView view;
    Tovik_form form(folder, view);
    form.Form_Load();
    form.Command1_Click();
    ASSERT_EQ(view.messages.size(), 1U);
    // The system's own separator: a backslash on Windows.
    const std::u8string expected =
        (std::filesystem::path(u8"Größe部品 €") / "vb_input.txt").u8string() +
        u8" for reading: No such file or directory";
    EXPECT_TRUE(view.messages[0].prompt.ends_with(std::string(expected.begin(), expected.end())))
        << view.messages[0].prompt;
}

struct RejectionCase {
    const char* name;
    Texts texts;
    std::string (*message)(params::ParameterField);  // of the focused box's field
    TextBox focus;
};

class Rejection : public ::testing::TestWithParam<RejectionCase> {};

TEST_P(Rejection, ShowsTheFieldsMessageAndFocusesItsBox) {
    LoadedForm window;
    window.read(example_input);
    window.create(GetParam().texts);
    const auto field = static_cast<params::ParameterField>(GetParam().focus);
    const ShownMessage shown{GetParam().message(field), MessageStyle::ok_only, "Macro Example"};
    EXPECT_EQ(window.view.messages, std::vector<ShownMessage>{shown});
    EXPECT_EQ(window.view.focus, GetParam().focus);
    EXPECT_EQ(window.view.texts, GetParam().texts);
    EXPECT_TRUE(window.view.command2_enabled);
    EXPECT_TRUE(window.view.end_statuses.empty());
    EXPECT_FALSE(window.has_output());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, Rejection,
    ::testing::Values(
        RejectionCase{"DX_empty", {"", "0.8", "4", "3"}, params::empty_message, TextBox::Text1},
        RejectionCase{"DX_not_a_number", {"1,5", "0.8", "4", "3"}, params::not_numeric_message, TextBox::Text1},
        RejectionCase{"DX_below_0", {"-0.0001", "0.8", "4", "3"}, params::range_message, TextBox::Text1},
        RejectionCase{"DY_blanks", {"1", "   ", "4", "3"}, params::empty_message, TextBox::Text2},
        RejectionCase{"DY_not_a_number", {"1", "abc", "4", "3"}, params::not_numeric_message, TextBox::Text2},
        RejectionCase{"DY_above_100", {"1", "100.00001", "4", "3"}, params::range_message, TextBox::Text2},
        RejectionCase{"NX_empty", {"1", "0.8", "", "3"}, params::empty_message, TextBox::Text3},
        RejectionCase{"NX_not_a_number", {"1", "0.8", "abc", "3"}, params::not_numeric_message, TextBox::Text3},
        RejectionCase{"NX_10_6", {"1", "0.8", "10.6", "3"}, params::range_message, TextBox::Text3},
        RejectionCase{"NY_empty", {"1", "0.8", "4", ""}, params::empty_message, TextBox::Text4},
        RejectionCase{"NY_not_a_number", {"1", "0.8", "4", "3x"}, params::not_numeric_message, TextBox::Text4},
        RejectionCase{"NY_0", {"1", "0.8", "4", "0"}, params::range_message, TextBox::Text4},
        RejectionCase{"DX_empty_DY_bad", {"", "abc", "4", "3"}, params::empty_message, TextBox::Text1},
        RejectionCase{"NY_beyond_32_bits", {"1", "0.8", "4", "1e10"}, params::range_message, TextBox::Text4},
        RejectionCase{"NX_beyond_32_bits", {"1", "0.8", "-1e300", "3"}, params::range_message, TextBox::Text3}),
    plessard::testing::CaseName());
// clang-format on

TEST(Create, WritesTheFileDisablesItselfAndEnds) {
    LoadedForm window;
    window.read(example_input);
    window.folder.write("vb_output.txt", std::string(5000, 'x'));  // an older, longer file
    window.create({"1", "0.8", " 1 ", "1"});
    EXPECT_TRUE(window.view.messages.empty());
    EXPECT_EQ(window.folder.read("vb_output.txt"), golden("worked_example.txt"));
    EXPECT_FALSE(window.view.command2_enabled);
    EXPECT_EQ(window.view.end_statuses, std::vector<int>{0});
}

TEST(Create, TheDefaultTextsGiveTheDefaultArray) {
    LoadedForm window;
    window.read(example_input);
    window.form.Command2_Click();
    EXPECT_TRUE(window.view.messages.empty());
    EXPECT_EQ(window.folder.read("vb_output.txt"), golden("default_array.txt"));
    EXPECT_EQ(window.view.end_statuses, std::vector<int>{0});
}

// What stands where vb_output.txt would be: a folder, a link to a full disk, or a link to
// vb_input.txt, which must survive.
enum class Obstacle { folder, full_disk, input_link };

struct ObstacleCase {
    const char* name;
    Obstacle obstacle;
};

class CreateFailure : public ::testing::TestWithParam<ObstacleCase> {};

// The box shows the core's own words; the program stays with Create enabled, and once the
// obstacle is gone the next press writes the file and ends.
TEST_P(CreateFailure, ShowsTheErrorStaysAndWritesOnTheNextPress) {
    LoadedForm window;
    window.read(example_input);
    const auto output = window.folder.path() / "vb_output.txt";
    if (GetParam().obstacle == Obstacle::folder) {
        std::filesystem::create_directory(output);
    } else if (GetParam().obstacle == Obstacle::input_link) {
        std::filesystem::create_hard_link(window.folder.path() / "vb_input.txt", output);
    } else {
        if (!std::filesystem::exists("/dev/full")) {
            GTEST_SKIP() << "no /dev/full on this system";
        }
        std::filesystem::create_symlink("/dev/full", output);
    }
    window.create({"1", "0.8", "1", "1"});
    const std::string expected = description_of([&] {
        macro::write_output_file(window.folder.path(), example, {1.0F, 0.8F, 1, 1});
    });
    EXPECT_EQ(window.view.messages, std::vector<ShownMessage>{file_error(expected)});
    EXPECT_TRUE(readme_lists(expected, window.folder.path())) << expected;
    EXPECT_TRUE(window.view.end_statuses.empty());
    EXPECT_TRUE(window.view.command2_enabled);
    EXPECT_EQ(window.folder.read("vb_input.txt"), example_input);

    std::filesystem::remove(output);
    window.form.Command2_Click();
    EXPECT_EQ(window.view.messages.size(), 1U);
    EXPECT_EQ(window.folder.read("vb_output.txt"), golden("worked_example.txt"));
    EXPECT_EQ(window.view.end_statuses, std::vector<int>{0});
}

INSTANTIATE_TEST_SUITE_P(Obstacles, CreateFailure,
                         ::testing::Values(ObstacleCase{"folder", Obstacle::folder},
                                           ObstacleCase{"full_disk", Obstacle::full_disk},
                                           ObstacleCase{"input_link", Obstacle::input_link}),
                         plessard::testing::CaseName());

// Every message of a rejected value, and every refusal of a read, in their one wording.
TEST(ReadmeTxt, ListsEveryParameterMessageAndEveryRefusedRead) {
    for (const params::ParameterRule& rule : params::parameter_rules) {
        for (const std::string& message :
             {params::empty_message(rule.field), params::not_numeric_message(rule.field),
              params::range_message(rule.field)}) {
            EXPECT_TRUE(readme_lists(message)) << message;
        }
    }
    for (const input::ReadRefusal refusal : input::read_refusals) {
        const std::string message = input::refusal_text(
            refusal, "...\\vb_input.txt", refusal == input::ReadRefusal::short_file ? 4 : 2);
        EXPECT_TRUE(readme_lists(message)) << message;
    }
}

// A fault nobody planned for is still shown, and the program ends with a failure status.
TEST(Handlers, AnUnexpectedErrorIsShownAndEndsTheProgram) {
    LoadedForm window;
    window.read(example_input);
    window.view.fail_next_box = true;
    window.create({"", "0.8", "4", "3"});
    ASSERT_EQ(window.view.messages.size(), 2U);
    EXPECT_EQ(window.view.messages[1],
              (ShownMessage{"the box could not be shown", MessageStyle::critical,
                            "Plessard Macro File IO Example"}));
    EXPECT_EQ(window.view.end_statuses, std::vector<int>{1});
    EXPECT_FALSE(window.has_output());
}

// Regional settings with a decimal comma change neither what is read nor what is written: a
// toolkit switches the C library to the user's locale.
TEST(Handlers, ALocaleWithADecimalCommaChangesNothing) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            switched = true;
            break;
        }
    }
    if (!switched) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    LoadedForm window;
    window.read(example_input);
    window.create({"2.5", "0.8", "1", "1"});
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_TRUE(window.view.messages.empty());
    EXPECT_EQ(window.view.captions, example_captions);
    std::string expected = golden("worked_example.txt");
    expected.replace(expected.find("101, -1.0"), 9, "101, -2.5");
    expected.replace(expected.find("104, 11.0"), 9, "104, 12.5");
    EXPECT_EQ(window.folder.read("vb_output.txt"), expected);
}

}  // namespace
}  // namespace plessard::form
