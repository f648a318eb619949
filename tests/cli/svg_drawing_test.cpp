#include "cli/svg_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/writing_run.h"
#include "platform/line_sink.h"
#include "support/case_name.h"

namespace plessard::cli {
namespace {

const input::PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

std::string svg_of(const std::string& macro, const std::string& name = "vb_output.txt") {
    const macro::MacroCheck check = macro::check_macro_text(macro, name);
    platform::TextBuffer out;
    write_svg(out, check, macro);
    return out.text();
}

std::string macro_of(const input::PartDimensions& part, const params::ArrayParameters& array) {
    platform::TextBuffer out;
    macro::write_macro(out, part, array);
    return out.text();
}

// The d attribute of the path with the given id.
std::string path_of(const std::string& svg, const std::string& id) {
    const std::string opening = "id=\"" + id + "\" d=\"";
    const auto at = svg.find(opening);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = at + opening.size();
    return svg.substr(start, svg.find('"', start) - start);
}

// Every line of the SVG that holds the text, in order.
std::vector<std::string> lines_with(const std::string& svg, const std::string& text) {
    std::vector<std::string> found;
    for (std::size_t start = 0; start < svg.size();) {
        const auto end = svg.find("\r\n", start);
        const std::string line = svg.substr(start, end - start);
        if (line.find(text) != std::string::npos) {
            found.push_back(line);
        }
        start = end + 2;
    }
    return found;
}

TEST(SvgDrawing, DrawsTheWorkedExampleInTheFilesOwnNumbers) {
    const std::string svg = svg_of(macro_of(example, {1.0F, 0.8F, 1, 1}));
    // Counter-clockwise corners ("3,") sweep with flag 1, the positive-angle direction of the
    // file's numbers with Y upward; the inner, clockwise corner ("2,") with flag 0. All are
    // quarter circles: never the large arc.
    EXPECT_EQ(path_of(svg, "part-1"),
              "M1.0,0.0 L9.0,0.0 A1.0,1.0 0 0,1 10.0,1.0 L10.0,2.5 A0.5,0.5 0 0,1 9.5,3.0 "
              "L4.5,3.0 A0.5,0.5 0 0,0 4.0,3.5 L4.0,7.5 A0.5,0.5 0 0,1 3.5,8.0 L1.0,8.0 "
              "A1.0,1.0 0 0,1 0.0,7.0 L0.0,1.0 A1.0,1.0 0 0,1 1.0,0.0");
    EXPECT_NE(svg.find(R"(d="M-1.0,-0.8 L11.0,-0.8 L11.0,8.8 L-1.0,8.8 Z")"), std::string::npos);
    // The rectangle from (-1, -0.8) to (11, 8.8) and a margin of 3 % of its 12 units make a
    // view 12.72 by 10.32, scaled to 800 across; Y turns upward about the view's top, 9.16.
    EXPECT_EQ(lines_with(svg, "<g "),
              std::vector<std::string>{"  <g transform=\"matrix(62.893081761006286 0 0 "
                                       "-62.893081761006286 85.53459119496854 "
                                       "576.1006289308176)\">"});
    EXPECT_EQ(lines_with(svg, "<!--"),
              std::vector<std::string>{
                  "  <!-- The outlines carry the numbers of the macro file, in its own units "
                  "with Y upward; one transform scales them by 62.893081761006286 into the "
                  "picture. -->"});
    EXPECT_NE(svg.find(R"(viewBox="0 0 800.0 649.056604")"), std::string::npos);
    EXPECT_NE(svg.find(R"(width="800.0" height="649.0")"), std::string::npos);
    EXPECT_NE(svg.find("vector-effect: non-scaling-stroke"), std::string::npos);
    // A fifth of the part's smaller side, at (2.5, 2.0) in the file.
    EXPECT_EQ(lines_with(svg, "<text"),
              std::vector<std::string>{
                  R"(  <text x="242.767296" y="450.314465" font-size="100.628931">1</text>)"});
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<svg "));
    EXPECT_TRUE(svg.ends_with("</svg>\r\n"));
}

struct ScaleCase {
    const char* name;
    input::PartDimensions part;  // the worked example's, scaled
    const char* scale;
    const char* first_arc;
};

class Scales : public ::testing::TestWithParam<ScaleCase> {};

// Parts a hundred times smaller or 1e36 times larger make the very same picture, numbers
// included; only the transform and the outlines' own numbers differ.
TEST_P(Scales, GiveTheSamePicture) {
    const std::string svg = svg_of(macro_of(GetParam().part, {0.0F, 0.0F, 2, 2}));
    const std::string reference = svg_of(macro_of(example, {0.0F, 0.0F, 2, 2}));
    EXPECT_EQ(lines_with(svg, "<text"), lines_with(reference, "<text"));
    EXPECT_EQ(lines_with(svg, "viewBox"), lines_with(reference, "viewBox"));
    EXPECT_NE(svg.find(std::string("transform=\"matrix(") + GetParam().scale + " 0 0 -" +
                       GetParam().scale + " "),
              std::string::npos);
    EXPECT_NE(path_of(svg, "part-1").find(GetParam().first_arc), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Dimensions, Scales,
                         ::testing::Values(ScaleCase{"hundredth",
                                                     {0.1F, 0.04F, 0.08F, 0.03F, 0.01F, 0.005F},
                                                     "3773.584905660377",
                                                     " A0.01,0.01 0 0,1 0.1,0.01 "},
                                           ScaleCase{"as_written", example, "37.735849056603776",
                                                     " A1.0,1.0 0 0,1 10.0,1.0 "},
                                           ScaleCase{
                                               "near_the_single_limit",
                                               {1e37F, 4e36F, 8e36F, 3e36F, 1e36F, 5e35F},
                                               "3.7735849056603776e-35",
                                               " A1000000000000000000000000000000000000.0,"
                                               "1000000000000000000000000000000000000.0 0 0,1 "
                                               "10000000000000000000000000000000000000.0,"
                                               "1000000000000000000000000000000000000.0 "}),
                         testing::CaseName{});

TEST(SvgDrawing, TakesTheLongWayWhereAnArcTurnsMoreThanHalf) {
    // A clockwise arc from the bottom of a circle to its right side turns three quarters.
    const std::string svg = svg_of(
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n"
        "0,0.0, -1.0\r\n2,0.0, 0.0, 1.0, 0.0\r\n3,0.0, 0.0, 0.0, 1.0\r\n1,0.0, -1.0\r\n99\r\n"
        "-1\r\n");
    EXPECT_EQ(path_of(svg, "part-1"),
              "M0.0,-1.0 A1.0,1.0 0 1,0 1.0,0.0 A1.0,1.0 0 0,1 0.0,1.0 L0.0,-1.0");
}

TEST(SvgDrawing, DrawsAnArcBackToItsStartAsTwoHalves) {
    // Counter-clockwise about (1, 0) from (0, 0): through (2, 0) and back.
    const std::string svg = svg_of(
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n"
        "0,0.0, 0.0\r\n3,1.0, 0.0, 0.0, 0.0\r\n99\r\n-1\r\n");
    EXPECT_EQ(path_of(svg, "part-1"), "M0.0,0.0 A1.0,1.0 0 1,1 2.0,0.0 A1.0,1.0 0 1,1 0.0,0.0");
    // A power of ten for a long radius, which SVG scales up to join the opposite points.
    const std::string root_two = svg_of(
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n"
        "0,0.1, 0.1\r\n3,0.0, 0.0, 0.1, 0.1\r\n99\r\n-1\r\n");
    EXPECT_EQ(path_of(root_two, "part-1"),
              "M0.1,0.1 A1e-1,1e-1 0 1,1 -0.1,-0.1 A1e-1,1e-1 0 1,1 0.1,0.1");
}

TEST(SvgDrawing, GoesOnOverFurtherLinesForALongContour) {
    std::string macro =
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n"
        "0,0.0, 0.0\r\n";
    std::string expected = "M0.0,0.0";
    for (int i = 0; i < 1000; ++i) {
        macro += i % 2 == 0 ? "1,1.0, 1.0\r\n" : "1,0.0, 0.0\r\n";
        expected += i % 2 == 0 ? " L1.0,1.0" : " L0.0,0.0";
    }
    macro += "99\r\n-1\r\n";
    const std::string svg = svg_of(macro);
    std::string data;
    for (std::size_t start = svg.find("id=\"part-1\" d=\"") + 15;;) {
        const auto end = svg.find("\r\n", start);
        ASSERT_LT(end - start, 4200U) << "a line of " << end - start << " bytes";
        const auto quote = svg.find('"', start);
        if (quote < end) {
            data += svg.substr(start, quote - start);
            break;
        }
        // The next line goes on after the white space that begins it.
        data += svg.substr(start, end - start);
        start = svg.find_first_not_of(' ', end + 2);
        data += ' ';
    }
    EXPECT_EQ(data, expected);
}

TEST(SvgDrawing, NumbersThePartsInTheOrderWritten) {
    const std::string svg = svg_of(macro_of(example, {1.0F, 0.8F, 2, 2}));
    // Part 2 is the one above part 1 (column by column).
    EXPECT_TRUE(path_of(svg, "part-2").starts_with("M1.0,8.8 "));
    EXPECT_TRUE(path_of(svg, "part-3").starts_with("M12.0,0.0 "));
    const std::vector<std::string> titles = lines_with(svg, "<title>part");
    ASSERT_EQ(titles.size(), 4U);
    EXPECT_TRUE(titles[1].ends_with("<title>part 2 (line 22)</title></path>")) << titles[1];
    EXPECT_TRUE(titles[3].ends_with("<title>part 4 (line 50)</title></path>")) << titles[3];
    const std::vector<std::string> numbers = lines_with(svg, "<text");
    ASSERT_EQ(numbers.size(), 4U);
    EXPECT_TRUE(numbers[3].ends_with(">4</text>")) << numbers[3];
    EXPECT_NE(svg.find("<title>vb_output.txt: 4 parts</title>"), std::string::npos);
}

// Past a thousand parts, numbers and titles would make the drawing many times the size of its
// file: the parts go unnamed, many to a path, dots apart from outlines.
TEST(SvgDrawing, DrawsManyPartsManyToAPathWithoutNumbers) {
    std::string macro =
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n";
    for (int i = 0; i < 1000; ++i) {
        macro += "0,1.0, 1.0\r\n99\r\n";
    }
    macro += "0,0.0, 0.0\r\n1,1.0, 0.0\r\n1,0.0, 0.0\r\n99\r\n0,2.0, 2.0\r\n99\r\n-1\r\n";
    const std::string svg = svg_of(macro);
    EXPECT_EQ(
        lines_with(svg, "<path class=\"part\""),
        std::vector<std::string>{R"(    <path class="part" d="M0.0,0.0 L1.0,0.0 L0.0,0.0"/>)"});
    EXPECT_NE(svg.find(R"(    <path class="point" d="M2.0,2.0 h0"/>)"), std::string::npos);
    EXPECT_EQ(lines_with(svg, "<text").size() + lines_with(svg, "<!-- More than 1000").size(), 1U);
    EXPECT_LT(svg.size(), macro.size());
}

TEST(SvgDrawing, KeepsAnEmptyDrawingVisible) {
    const std::string svg = svg_of(macro_of({}, {0.0F, 0.0F, 1, 1}));
    // Every point at the origin: a view two units across around it, 800 picture units wide,
    // and the part's number at a fiftieth of that, beside the dot.
    EXPECT_NE(svg.find(R"(viewBox="0 0 800.0 800.0")"), std::string::npos);
    EXPECT_EQ(lines_with(svg, "<text"),
              std::vector<std::string>{R"(  <text x="416.0" y="384.0" font-size="16.0">1</text>)"});
    // A part that is a single point is a dot, which its outline would not show.
    EXPECT_EQ(lines_with(svg, "part-1"),
              std::vector<std::string>{R"(    <path class="point" id="part-1" d="M0.0,0.0 h0">)"
                                       "<title>part 1 (line 8)</title></path>"});
}

TEST(SvgDrawing, EscapesTheFileName) {
    const std::string svg = svg_of(macro_of(example, {1.0F, 0.8F, 1, 1}), "a&b<c>\"d\".txt");
    EXPECT_NE(svg.find("<title>a&amp;b&lt;c&gt;&quot;d&quot;.txt: 1 part</title>"),
              std::string::npos);
}

}  // namespace
}  // namespace plessard::cli
