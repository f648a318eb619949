#include "macro/macro_check.h"

#include <gtest/gtest.h>

#include "support/lines.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "macro/writing_run.h"
#include "platform/error.h"
#include "platform/line_sink.h"
#include "support/case_name.h"
#include "support/temp_folder.h"

namespace plessard::macro {
namespace {

using input::PartDimensions;
using params::ArrayParameters;

const PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

std::string written(const PartDimensions& part, const ArrayParameters& array) {
    platform::TextBuffer out;
    write_macro(out, part, array);
    return out.text();
}

using testing::lines_of;

std::string joined(const std::vector<std::string>& lines, const char* line_end = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + line_end;
    }
    return text;
}

std::vector<std::string> errors_of(const MacroCheck& check) {
    std::vector<std::string> errors;
    for (const auto& problem : check.problems) {
        if (!problem.is_warning()) {
            errors.push_back(problem_text(check, problem));
        }
    }
    return errors;
}

// ---- Every file the writer makes passes ----

struct WrittenCase {
    const char* name;
    PartDimensions part;
    ArrayParameters array;
    std::size_t warnings;
};

class WrittenFiles : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenFiles, AreAccepted) {
    const WrittenCase& row = GetParam();
    const MacroCheck check = check_macro_text(written(row.part, row.array), "vb_output.txt");
    EXPECT_EQ(errors_of(check), std::vector<std::string>{});
    EXPECT_TRUE(check.accepted());
    const auto parts = static_cast<std::size_t>(row.array.NX * row.array.NY);
    EXPECT_EQ(check.lines, 8 + 14 * parts);
    EXPECT_EQ(check.parts, parts);
    EXPECT_EQ(check.problems.size(), row.warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensions, WrittenFiles,
    ::testing::Values(
        WrittenCase{"worked_example", example, {1.0F, 0.8F, 1, 1}, 0},
        WrittenCase{"default_array", example, {1.0F, 0.8F, 4, 3}, 0},
        WrittenCase{"ten_by_ten", example, {100.0F, 100.0F, 10, 10}, 0},
        WrittenCase{"edge_to_edge", example, {0.0F, 0.0F, 3, 2}, 0},
        // Every point of a part on its origin, arcs of radius zero: each part is a single point,
        // which is worth a warning, not a rejection.
        WrittenCase{"all_zero", {}, {1.0F, 0.8F, 2, 2}, 4},
        // No heights and no radii: each part is the bottom edge drawn there and back.
        WrittenCase{"flat", {10.0F, 4.0F, 0.0F, 0.0F, 0.0F, 0.0F}, {1.0F, 0.8F, 3, 1}, 3},
        // Radii larger than the sides allow fold the contour back on itself; the arcs of
        // the folded corners bulge out of the rectangle.
        WrittenCase{"folded_radii", {10.0F, 4.0F, 8.0F, 3.0F, 6.0F, 5.0F}, {1.0F, 0.8F, 2, 1}, 2},
        // Negative dimensions turn the rectangle inside out and put every part outside it.
        WrittenCase{"negative", {-10.0F, -4.0F, -8.0F, -3.0F, -1.0F, -0.5F}, {1.0F, 0.8F, 2, 2}, 5},
        WrittenCase{
            "negative_radii", {10.0F, 4.0F, 8.0F, 3.0F, -1.0F, -0.5F}, {1.0F, 0.8F, 1, 1}, 1},
        // Radii on a rounding tie of the third decimal: centre and end point round apart.
        WrittenCase{
            "tie_radii", {10.0F, 4.0F, 8.0F, 3.0F, 1.0005F, 0.0005F}, {0.0005F, 0.0005F, 2, 2}, 0},
        // A part far out, where singles are a sixteenth apart and more.
        WrittenCase{"a_million_out", {1e6F, 4.3F, 1e6F, 3.7F, 0.3F, 0.1F}, {0.8F, 0.8F, 10, 10}, 0},
        WrittenCase{"near_the_single_limit",
                    {3e37F, 1e37F, 3e37F, 1e37F, 1e36F, 1e35F},
                    {0.0F, 0.0F, 10, 10},
                    0}),
    testing::CaseName{});

// Dimensions drawn from values that stress the roundings (ties, odd thousandths, binade edges,
// large magnitudes, negatives): whatever the writer makes, the checker must take.
TEST(WrittenFiles, RandomDimensionsAreAccepted) {
    const std::vector<float> values{0.0F,     0.0005F, -0.0005F, 0.001F,   0.3F,       1.0F,
                                    2.5F,     7.777F,  -5.0F,    123.456F, 1023.9996F, 8191.999F,
                                    65536.7F, 1e6F,    -3e5F,    3.3e7F,   0.1F,       12.3456F};
    const std::vector<float> gaps{0.0F, 0.0005F, 0.8F, 1.0F, 33.333F, 100.0F};
    std::mt19937 random(20240601);
    const auto pick = [&](const std::vector<float>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    for (int round = 0; round < 300; ++round) {
        const PartDimensions part{pick(values), pick(values), pick(values),
                                  pick(values), pick(values), pick(values)};
        const ArrayParameters array{pick(gaps), pick(gaps),
                                    std::uniform_int_distribution<std::int32_t>(1, 4)(random),
                                    std::uniform_int_distribution<std::int32_t>(1, 4)(random)};
        const MacroCheck check = check_macro_text(written(part, array), "random.txt");
        ASSERT_EQ(errors_of(check), std::vector<std::string>{})
            << "L1..R2 " << part.L1 << " " << part.L2 << " " << part.H1 << " " << part.H2 << " "
            << part.R1 << " " << part.R2 << ", DX " << array.DX << " DY " << array.DY;
    }
}

// ---- Damaged files are rejected at the right line ----

using Edit = std::function<void(std::vector<std::string>&)>;

// The first error, and how many there are in all.
struct DamageCase {
    const char* name;
    Edit edit;
    std::size_t line;
    const char* message;
    std::size_t errors = 1;
};

// Lines are counted from 1, as in the messages.
Edit replace(std::size_t line, std::string text) {
    return [=](std::vector<std::string>& lines) { lines[line - 1] = text; };
}
Edit remove(std::size_t line) {
    return [=](std::vector<std::string>& lines) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line - 1));
    };
}
Edit insert(std::size_t line, std::string text) {
    return [=](std::vector<std::string>& lines) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line - 1), text);
    };
}

class DamagedFiles : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFiles, AreRejectedAtTheRightLine) {
    auto lines = lines_of(written(example, {1.0F, 0.8F, 1, 1}));
    GetParam().edit(lines);
    const MacroCheck check = check_macro_text(joined(lines), "out.txt");
    EXPECT_FALSE(check.accepted());
    const auto errors = errors_of(check);
    ASSERT_EQ(errors.size(), GetParam().errors) << ::testing::PrintToString(errors);
    EXPECT_EQ(errors.front(),
              "out.txt:" + std::to_string(GetParam().line) + ": " + GetParam().message);
}

// The worked example, for the line numbers:
//  1 "101, -1.0"  2 "102, -0.8"  3 "103, 0"  4 "104, 11.0"  5 "105, 8.8"  6 "106, 0"  7 "111"
//  8 "0,1.0, 0.0"  9 "1,9.0, 0.0"  10 "3,9.0, 1.0, 10.0, 1.0"  11 "1,10.0, 2.5"
//  12 "3,9.5, 2.5, 9.5, 3.0"  13 "1,4.5, 3.0"  14 "2,4.5, 3.5, 4.0, 3.5"  15 "1,4.0, 7.5"
//  16 "3,3.5, 7.5, 3.5, 8.0"  17 "1,1.0, 8.0"  18 "3,1.0, 7.0, 0.0, 7.0"  19 "1,0.0, 1.0"
//  20 "3,1.0, 1.0, 1.0, 0.0"  21 "99"  22 "-1"
INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedFiles,
    ::testing::Values(
        DamageCase{"missing_99", remove(21), 21,
                   "the contour of part 1 (line 8) has not ended with record 99 before the end "
                   "mark"},
        DamageCase{"changed_digit_opens_contour", replace(20, "3,1.0, 1.0, 1.0, 0.001"), 20,
                   "the contour of part 1 (line 8) does not close: it ends at (1.0, 0.001), not "
                   "at its start (1.0, 0.0)"},
        DamageCase{"changed_digit_in_start", replace(8, "0,1.001, 0.0"), 20,
                   "the contour of part 1 (line 8) does not close: it ends at (1.0, 0.0), not "
                   "at its start (1.001, 0.0)"},
        DamageCase{"arc_changes_radius", replace(10, "3,9.0, 1.0, 10.5, 1.0"), 10,
                   "the arc changes its radius: 1.0 from the centre (9.0, 1.0) to its start "
                   "(9.0, 0.0), 1.5 to its end (10.5, 1.0)"},
        DamageCase{"moved_centre", replace(14, "2,4.5, 3.6, 4.0, 3.5"), 14,
                   "the arc changes its radius: 0.6 from the centre (4.5, 3.6) to its start "
                   "(4.5, 3.0), 0.5099 to its end (4.0, 3.5)"},
        // Numbers at the end of the single range are shown in exponent form: a message stays short.
        DamageCase{"huge_arc",
                   replace(10, "3,9.0, 1.0, 340282350000000000000000000000000000000.0, 1.0"), 10,
                   "the arc changes its radius: 1.0 from the centre (9.0, 1.0) to its start "
                   "(9.0, 0.0), 3.4028235e+38 to its end (3.4028235e+38, 1.0)"},
        DamageCase{"three_decimal_zeros", replace(9, "1,9.000, 0.0"), 9,
                   "bad number \"9.000\": a trailing zero is written only as the first decimal"},
        DamageCase{"one_point_zero_zero_zero", replace(4, "104, 11.000"), 4,
                   "bad number \"11.000\": a trailing zero is written only as the first decimal"},
        DamageCase{"minus_zero", replace(8, "0,1.0, -0.0"), 8,
                   "bad number \"-0.0\": zero is written without a sign"},
        DamageCase{"missing_end_mark", remove(22), 21,
                   "incomplete file: it ends without the end mark \"-1\""},
        DamageCase{"cut_inside_a_contour",
                   [](std::vector<std::string>& lines) { lines.resize(15); }, 15,
                   "incomplete file: it ends inside the contour of part 1 (line 8), without "
                   "record 99 and the end mark \"-1\""},
        DamageCase{"cut_inside_the_header",
                   [](std::vector<std::string>& lines) { lines.resize(4); }, 4,
                   "incomplete file: it ends inside the header, without the end mark \"-1\""},
        DamageCase{"empty", [](std::vector<std::string>& lines) { lines.clear(); }, 1,
                   "incomplete file: it is empty"},
        DamageCase{"blank_line", insert(8, ""), 8, "blank line"},
        DamageCase{"blank_line_after_end_mark", insert(23, ""), 23,
                   "nothing may follow the end mark \"-1\""},
        DamageCase{"second_end_mark", insert(23, "-1"), 23,
                   "nothing may follow the end mark \"-1\""},
        DamageCase{"header_without_blank", replace(1, "101,-1.0"), 1,
                   "record 101 must begin with \"101, \""},
        DamageCase{"contour_with_blank", replace(9, "1, 9.0, 0.0"), 9,
                   "the first number must follow \"1,\" directly"},
        DamageCase{"separator_without_blank", replace(9, "1,9.0,0.0"), 9,
                   "numbers are separated by \", \" (a comma and one blank)"},
        DamageCase{"separator_with_two_blanks", replace(9, "1,9.0,  0.0"), 9,
                   "numbers are separated by \", \" (a comma and one blank)"},
        DamageCase{"fixed_record_with_decimal", replace(3, "103, 0.0"), 3,
                   "record 103 must read exactly \"103, 0\", not \"103, 0.0\""},
        DamageCase{"contour_end_with_comma", replace(21, "99,"), 21,
                   "record 99 must read exactly \"99\", not \"99,\""},
        DamageCase{"too_few_numbers", replace(9, "1,9.0"), 9, "record 1 takes 2 numbers, not 1"},
        DamageCase{"too_many_numbers", replace(10, "3,9.0, 1.0, 10.0, 1.0, 0.0"), 10,
                   "record 3 takes 4 numbers, not 5"},
        DamageCase{"header_number_missing", replace(5, "105, "), 5,
                   "bad number \"\": a number is missing"},
        DamageCase{"unknown_record", replace(11, "4,10.0, 2.5"), 11, "unknown record \"4\""},
        DamageCase{"lower_case_text", replace(7, "end"), 7, "unknown record \"end\""},
        DamageCase{"header_out_of_order",
                   [](std::vector<std::string>& lines) { std::swap(lines[3], lines[4]); }, 4,
                   "expected record 104, found record 105", 2},
        DamageCase{"header_record_missing", remove(6), 6, "expected record 106, found record 111"},
        DamageCase{"header_missing_111", remove(7), 7, "expected record 111, found record 0"},
        DamageCase{"line_outside_contour", insert(8, "1,9.0, 0.0"), 8,
                   "record 1 outside a contour (no record 0 opens one)"},
        DamageCase{"missing_start", remove(8), 8,
                   "record 1 outside a contour (no record 0 opens one)"},
        DamageCase{"header_inside_contour", insert(12, "103, 0"), 12,
                   "header record 103 inside a contour"},
        DamageCase{"header_after_header", insert(8, "106, 0"), 8,
                   "header record 106 after the header"},
        DamageCase{"tab", replace(13, "1,4.5,\t3.0"), 13,
                   "byte 0x09 in column 7 is not printable ASCII"},
        DamageCase{"beyond_single", replace(4, "104, 1000000000000000000000000000000000000000.0"),
                   4,
                   "bad number \"1000000000000000000000000000000000000000...\": beyond the "
                   "single-precision range"}),
    testing::CaseName{});

struct BytesCase {
    const char* name;
    std::function<std::string(std::string)> damage;
    std::size_t line;
    const char* message;
    std::size_t errors = 1;
};

class DamagedBytes : public ::testing::TestWithParam<BytesCase> {};

TEST_P(DamagedBytes, AreRejectedAtTheRightLine) {
    const std::string bytes = GetParam().damage(written(example, {1.0F, 0.8F, 1, 1}));
    const MacroCheck check = check_macro_text(bytes, "out.txt");
    const auto errors = errors_of(check);
    ASSERT_EQ(errors.size(), GetParam().errors) << ::testing::PrintToString(errors);
    EXPECT_EQ(errors.front(),
              "out.txt:" + std::to_string(GetParam().line) + ": " + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, DamagedBytes,
    ::testing::Values(
        BytesCase{"lf_only", [](std::string text) { return joined(lines_of(text), "\n"); }, 1,
                  "the line ends in LF alone; macro lines end in CR LF (21 more lines end the "
                  "same way)"},
        BytesCase{"one_lf", [](std::string text) { return text.erase(text.find("1,10.0") - 2, 1); },
                  10, "the line ends in LF alone; macro lines end in CR LF"},
        BytesCase{"cr_only",
                  [](std::string text) {
                      std::erase(text, '\n');
                      return text;
                  },
                  1, "the last line has no line end (CR LF)", 3},
        BytesCase{"no_last_line_end",
                  [](std::string text) {
                      text.resize(text.size() - 2);
                      return text;
                  },
                  22, "the last line has no line end (CR LF)"},
        BytesCase{"byte_order_mark", [](std::string text) { return "\xEF\xBB\xBF" + text; }, 1,
                  "byte 0xEF in column 1 is not printable ASCII"}),
    testing::CaseName{});

// ---- The tolerance scales with the magnitude ----

TEST(MacroCheck, AThousandthOffIsToleratedOnlyWhereSinglesAreCoarser) {
    // One part a million units out: its start point moved by a thousandth still closes,
    // since singles there are 0.0625 apart; the same move near the origin does not.
    const auto moved_start = [](const PartDimensions& part) {
        auto lines = lines_of(written(part, {0.0F, 0.0F, 2, 1}));
        std::string& start = lines[7 + 14];  // the start of part 2, at x0 = L1
        const auto comma = start.find(", ");
        start = start.substr(0, comma - 1) + "1" + start.substr(comma);
        return check_macro_text(joined(lines), "moved.txt");
    };
    EXPECT_TRUE(moved_start({1e6F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F}).accepted());
    EXPECT_FALSE(moved_start({10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F}).accepted());
}

// ---- What an accepted file gives ----

TEST(MacroCheck, KeepsTheRectangleOfTheDefaultArray) {
    const MacroCheck check = check_macro_text(written(example, {1.0F, 0.8F, 4, 3}), "a.txt");
    EXPECT_EQ(check.lines, 176U);
    EXPECT_EQ(check.parts, 12U);
    EXPECT_TRUE(check.has_rectangle);
    EXPECT_EQ(check.rectangle.texts, (std::array<std::string, 4>{"-1.0", "-0.8", "44.0", "26.4"}));
    EXPECT_EQ(check.rectangle.lower_left, (MacroPoint{-1.0, -0.8}));
    EXPECT_EQ(check.rectangle.upper_right, (MacroPoint{44.0, 26.4}));
}

TEST(MacroCheck, ProblemsComeInLineOrderWithWarningsMarked) {
    auto lines = lines_of(written({-10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F}, {1.0F, 0.8F, 1, 1}));
    lines[8] = "1,9.000, 0.0";
    lines.push_back("garbage");
    const MacroCheck check = check_macro_text(joined(lines), "w.txt");
    std::vector<std::string> texts;
    for (const auto& problem : check.problems) {
        texts.push_back(problem_text(check, problem));
    }
    // A malformed file is not measured against its rectangle: only syntax is reported.
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "w.txt:9: bad number \"9.000\": a trailing zero is written only as "
                         "the first decimal",
                         "w.txt:23: nothing may follow the end mark \"-1\""}));
    EXPECT_FALSE(check.well_formed());
}

TEST(MacroCheck, WarnsAboutAPartOutsideTheRectangle) {
    const MacroCheck check = check_macro_text(
        written({10.0F, 4.0F, 8.0F, 3.0F, -1.0F, -0.5F}, {1.0F, 0.8F, 1, 1}), "w.txt");
    ASSERT_EQ(check.problems.size(), 1U);
    EXPECT_EQ(problem_text(check, check.problems.front()),
              "w.txt:8: warning: part 1 leaves the enclosing rectangle: it spans (-1.0, -1.0) "
              "to (11.0, 9.0)");
    EXPECT_TRUE(check.accepted());
}

TEST(MacroCheck, GeometryProblemsLeaveTheFileWellFormed) {
    auto lines = lines_of(written(example, {1.0F, 0.8F, 1, 1}));
    lines[9] = "3,9.0, 1.0, 10.5, 1.0";
    const MacroCheck check = check_macro_text(joined(lines), "g.txt");
    EXPECT_FALSE(check.accepted());
    EXPECT_TRUE(check.well_formed());
}

TEST(MacroCheck, ReadsAFileFromDisk) {
    const testing::TempFolder folder;
    folder.write("vb_output.txt", written(example, {1.0F, 0.8F, 2, 2}));
    const MacroCheck check = check_macro_file(folder.path() / "vb_output.txt");
    EXPECT_TRUE(check.accepted());
    EXPECT_EQ(check.file_name, (folder.path() / "vb_output.txt").string());
    EXPECT_EQ(check.parts, 4U);

    try {
        (void)check_macro_file(folder.path() / "missing.txt");
        FAIL() << "a missing file must raise";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), platform::ErrorNumber::open_failed);
        EXPECT_EQ(std::string(error.what()), "Cannot open " +
                                                 (folder.path() / "missing.txt").string() +
                                                 " for reading: No such file or directory");
    }
}

// A file is read whole, up to a limit far beyond any macro file; sparse files of any size cost
// no disk space.
TEST(MacroCheck, ReadsAFileUpTo16MiBAndRefusesALargerOne) {
    constexpr std::uintmax_t limit = 16U * 1024U * 1024U;
    struct Case {
        const char* name;
        std::uintmax_t size;
        bool refused;
    };
    const testing::TempFolder folder;
    for (const Case& row :
         {Case{"at_the_limit", limit, false}, Case{"one_byte_more", limit + 1, true},
          Case{"a_gibibyte", std::uintmax_t{1} << 30U, true}}) {
        SCOPED_TRACE(row.name);
        const auto path = folder.path() / row.name;
        folder.write(row.name, "");
        std::filesystem::resize_file(path, row.size);
        try {
            const MacroCheck check = check_macro_file(path);
            EXPECT_FALSE(row.refused);
            // Zero bytes and no line end: one line, rejected at its first byte.
            EXPECT_EQ(check.lines, 1U);
            EXPECT_EQ(errors_of(check),
                      (std::vector<std::string>{
                          path.string() + ":1: the last line has no line end (CR LF)",
                          path.string() + ":1: byte 0x00 in column 1 is not printable ASCII",
                          path.string() + ":1: incomplete file: it ends inside the header, "
                                          "without the end mark \"-1\""}));
        } catch (const platform::Error& error) {
            EXPECT_TRUE(row.refused);
            EXPECT_EQ(error.number(), platform::ErrorNumber::read_failed);
            EXPECT_EQ(std::string(error.what()),
                      "Cannot read " + path.string() + ": it is larger than 16777216 bytes");
        }
    }
}

// ---- What the drawing has to show ----

struct ExtentCase {
    const char* name;
    PartDimensions part;
    MacroBounds extent;
};

class Extent : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(Extent, HoldsTheRectangleAndEveryPart) {
    const MacroCheck check =
        check_macro_text(written(GetParam().part, {1.0F, 0.8F, 4, 3}), "a.txt");
    EXPECT_DOUBLE_EQ(check.extent.left, GetParam().extent.left);
    EXPECT_DOUBLE_EQ(check.extent.bottom, GetParam().extent.bottom);
    EXPECT_DOUBLE_EQ(check.extent.right, GetParam().extent.right);
    EXPECT_DOUBLE_EQ(check.extent.top, GetParam().extent.top);
}

INSTANTIATE_TEST_SUITE_P(
    Arrays, Extent,
    ::testing::Values(
        // The rectangle holds every part.
        ExtentCase{"default_array", example, {-1.0, -0.8, 44.0, 26.4}},
        // Negative radii bulge the corners of the parts out of it, by R1 below and to the
        // left of the first part, and above and to the right of the last.
        ExtentCase{
            "parts_outside", {10.0F, 4.0F, 8.0F, 3.0F, -1.0F, -0.5F}, {-1.0, -1.0, 44.0, 26.6}}),
    testing::CaseName{});

// ---- Parts a drawing could lose ----

// A file of one part with the given records between its record 0 and its record 99, in a
// rectangle from (-10, -10) to (10, 10); the record 0 is line 8.
std::string one_part(const std::vector<std::string>& contour) {
    std::vector<std::string> lines{"101, -10.0", "102, -10.0", "103, 0", "104, 10.0",
                                   "105, 10.0",  "106, 0",     "111"};
    lines.insert(lines.end(), contour.begin(), contour.end());
    lines.emplace_back("99");
    lines.emplace_back("-1");
    return joined(lines);
}

struct ShapeCase {
    const char* name;
    std::vector<std::string> contour;  // from its record 0, without its record 99
    std::vector<std::string> problems;
};

class Shapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(Shapes, AreWarnedAboutAndStillAccepted) {
    const MacroCheck check = check_macro_text(one_part(GetParam().contour), "p.txt");
    std::vector<std::string> problems;
    for (const MacroProblem& problem : check.problems) {
        problems.push_back(problem_text(check, problem));
    }
    EXPECT_EQ(problems, GetParam().problems);
    EXPECT_TRUE(check.accepted());
}

INSTANTIATE_TEST_SUITE_P(
    Contours, Shapes,
    ::testing::Values(
        // An arc back to its start is the whole circle; the part is that disc.
        ShapeCase{"full_circle",
                  {"0,0.0, 0.0", "3,1.0, 0.0, 0.0, 0.0"},
                  {"p.txt:9: warning: the arc ends where it starts: it is drawn as the full "
                   "circle of radius 1.0 about (1.0, 0.0)"}},
        ShapeCase{"full_circle_clockwise_in_a_contour",
                  {"0,0.0, -2.0", "1,0.0, 0.0", "2,0.0, 1.0, 0.0, 0.0", "1,0.0, -2.0"},
                  {"p.txt:10: warning: the arc ends where it starts: it is drawn as the full "
                   "circle of radius 1.0 about (0.0, 1.0)"}},
        ShapeCase{"lone_start_point",
                  {"0,1.0, 2.0"},
                  {"p.txt:8: warning: the contour of part 1 (line 8) is a single point at "
                   "(1.0, 2.0)"}},
        // An arc of radius zero is a point, not a circle.
        ShapeCase{"arcs_of_radius_zero",
                  {"0,1.0, 2.0", "3,1.0, 2.0, 1.0, 2.0", "1,1.0, 2.0", "2,1.0, 2.0, 1.0, 2.0"},
                  {"p.txt:8: warning: the contour of part 1 (line 8) is a single point at "
                   "(1.0, 2.0)"}},
        ShapeCase{"there_and_back",
                  {"0,0.0, 0.0", "1,5.0, 5.0", "1,0.0, 0.0"},
                  {"p.txt:8: warning: the contour of part 1 (line 8) encloses no area"}},
        // An L of no width, as zero L2, H2 and radii write it.
        ShapeCase{"flat_l",
                  {"0,0.0, 0.0", "1,4.0, 0.0", "1,0.0, 0.0", "1,0.0, 3.0", "1,0.0, 0.0"},
                  {"p.txt:8: warning: the contour of part 1 (line 8) encloses no area"}},
        ShapeCase{"arc_there_and_back",
                  {"0,0.0, 0.0", "3,1.0, 0.0, 2.0, 0.0", "2,1.0, 0.0, 0.0, 0.0"},
                  {"p.txt:8: warning: the contour of part 1 (line 8) encloses no area"}},
        // A strip two thousandths wide is a part; at one thousandth it would be within what
        // the roundings of a writer allow a line that runs back over itself.
        ShapeCase{"thin_strip",
                  {"0,0.0, 0.0", "1,9.0, 0.0", "1,9.0, 0.002", "1,0.0, 0.002", "1,0.0, 0.0"},
                  {}},
        // Clockwise is a part as well, only turned the other way.
        ShapeCase{"clockwise_square",
                  {"0,0.0, 0.0", "1,0.0, 1.0", "1,1.0, 1.0", "1,1.0, 0.0", "1,0.0, 0.0"},
                  {}}),
    testing::CaseName{});

// ---- Only so many problems are kept ----

struct ManyCase {
    const char* name;
    std::string bytes;
    std::size_t syntax;              // found in all
    std::vector<std::string> first;  // the first kept ones
    std::string last;                // the last kept one
    std::size_t warnings = 0;        // found in all
};

class ManyProblems : public ::testing::TestWithParam<ManyCase> {};

TEST_P(ManyProblems, KeepTheFirstHundredAndCountTheRest) {
    const ManyCase& row = GetParam();
    const MacroCheck check = check_macro_text(row.bytes, "m.txt");
    EXPECT_EQ(check.syntax_problems, row.syntax);
    EXPECT_EQ(check.geometry_problems, 0U);
    EXPECT_EQ(check.warnings, row.warnings);
    const std::size_t errors = std::min<std::size_t>(row.syntax, 100);
    const std::size_t warnings = std::min<std::size_t>(row.warnings, 100 - errors);
    ASSERT_EQ(check.problems.size(), errors + warnings);
    EXPECT_EQ(check.more_errors, row.syntax - errors);
    EXPECT_EQ(check.more_warnings, row.warnings - warnings);
    for (std::size_t i = 0; i < row.first.size(); ++i) {
        EXPECT_EQ(problem_text(check, check.problems[i]), row.first[i]);
    }
    EXPECT_EQ(problem_text(check, check.problems.back()), row.last);
}

std::string repeated(std::string_view line, std::size_t times) {
    std::string bytes;
    for (std::size_t i = 0; i < times; ++i) {
        bytes += line;
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ManyProblems,
    ::testing::Values(
        // The note about bare line feeds is made at the end but belongs to line 1, so it
        // takes the place of the last blank line kept.
        ManyCase{"line_feeds",
                 repeated("\n", 250),
                 252,
                 {"m.txt:1: blank line",
                  "m.txt:1: the line ends in LF alone; macro lines end in CR LF (249 more lines "
                  "end the same way)",
                  "m.txt:2: blank line"},
                 "m.txt:99: blank line"},
        ManyCase{"unknown_records",
                 repeated("x\r\n", 150),
                 151,
                 {"m.txt:1: unknown record \"x\""},
                 "m.txt:100: unknown record \"x\""},
        ManyCase{"contour_ends",
                 repeated("99\r\n", 1000),
                 1002,
                 {"m.txt:1: expected record 101, found record 99",
                  "m.txt:1: record 99 outside a contour (no record 0 opens one)",
                  "m.txt:2: record 99 outside a contour (no record 0 opens one)"},
                 "m.txt:99: record 99 outside a contour (no record 0 opens one)"},
        ManyCase{"exactly_a_hundred",
                 repeated("x\r\n", 99),
                 100,
                 {"m.txt:1: unknown record \"x\""},
                 "m.txt:99: incomplete file: it ends without the end mark \"-1\""},
        // Errors come first, wherever they are: the missing end mark after 150 warnings.
        ManyCase{"warnings_before_the_last_line",
                 "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n"
                 "111\r\n" +
                     repeated("0,1.0, 1.0\r\n99\r\n", 150),
                 1,
                 {"m.txt:307: incomplete file: it ends without the end mark \"-1\"",
                  "m.txt:8: warning: the contour of part 1 (line 8) is a single point at (1.0, "
                  "1.0)"},
                 "m.txt:204: warning: the contour of part 99 (line 204) is a single point at (1.0, "
                 "1.0)",
                 150}),
    testing::CaseName{});

// ---- Any bytes at all ----

TEST(MacroCheck, EveryByteSequenceIsAcceptedOrRejected) {
    const std::string original = written(example, {1.0F, 0.8F, 2, 2});
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = original;
        const int edits = std::uniform_int_distribution<int>(1, 8)(random);
        for (int edit = 0; edit < edits && !bytes.empty(); ++edit) {
            const auto at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
            const auto byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
            switch (std::uniform_int_distribution<int>(0, 3)(random)) {
                case 0:
                    bytes[at] = byte;
                    break;
                case 1:
                    bytes.insert(at, 1, byte);
                    break;
                case 2:
                    bytes.erase(at, 1);
                    break;
                default:
                    bytes.resize(at);
                    break;
            }
        }
        const MacroCheck check = check_macro_text(bytes, "fuzz.txt");
        if (!check.accepted()) {
            EXPECT_FALSE(errors_of(check).empty());
        }
        for (const auto& problem : check.problems) {
            ASSERT_GE(problem.line, 1U);
            ASSERT_LE(problem.line, std::max<std::size_t>(check.lines, 1));
        }
    }
}

}  // namespace
}  // namespace plessard::macro
