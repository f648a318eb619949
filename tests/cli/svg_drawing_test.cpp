#include "cli/svg_drawing.h"

#include <gtest/gtest.h>

#include <string>

#include "macro/writing_run.h"
#include "platform/line_sink.h"

namespace plessard::cli {
namespace {

const input::PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

std::string svg_of(const std::string& macro) {
    const macro::MacroCheck check = macro::check_macro_text(macro, "vb_output.txt");
    platform::TextBuffer out;
    write_svg(out, check);
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

TEST(SvgDrawing, DrawsTheWorkedExampleWithYUpward) {
    const std::string svg = svg_of(macro_of(example, {1.0F, 0.8F, 1, 1}));
    // Counter-clockwise corners ("3,") sweep with flag 0 once Y points down; the inner,
    // clockwise corner ("2,") with flag 1. All are quarter circles: never the large arc.
    EXPECT_EQ(path_of(svg, "part-1"),
              "M1.0,0.0 L9.0,0.0 A1.0,1.0 0 0,0 10.0,-1.0 L10.0,-2.5 A0.5,0.5 0 0,0 9.5,-3.0 "
              "L4.5,-3.0 A0.5,0.5 0 0,1 4.0,-3.5 L4.0,-7.5 A0.5,0.5 0 0,0 3.5,-8.0 L1.0,-8.0 "
              "A1.0,1.0 0 0,0 0.0,-7.0 L0.0,-1.0 A1.0,1.0 0 0,0 1.0,0.0");
    // The rectangle from (-1, -0.8) to (11, 8.8), a margin of 3 % of its 12 units around it.
    EXPECT_NE(svg.find(R"(d="M-1.0,0.8 L11.0,0.8 L11.0,-8.8 L-1.0,-8.8 Z")"), std::string::npos);
    EXPECT_NE(svg.find(R"(viewBox="-1.36 -9.16 12.72 10.32")"), std::string::npos);
    EXPECT_NE(svg.find(R"(width="800.0" height="649.0")"), std::string::npos);
    EXPECT_NE(svg.find("vector-effect: non-scaling-stroke"), std::string::npos);
    EXPECT_NE(svg.find(R"(<text x="2.5" y="-2.0" font-size="1.6">1</text>)"), std::string::npos);
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<svg "));
    EXPECT_TRUE(svg.ends_with("</svg>\r\n"));
}

TEST(SvgDrawing, TakesTheLongWayWhereAnArcTurnsMoreThanHalf) {
    // A clockwise arc from the bottom of a circle to its right side turns three quarters.
    const std::string svg = svg_of(
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n"
        "0,0.0, -1.0\r\n2,0.0, 0.0, 1.0, 0.0\r\n3,0.0, 0.0, 0.0, 1.0\r\n1,0.0, -1.0\r\n99\r\n"
        "-1\r\n");
    EXPECT_EQ(path_of(svg, "part-1"),
              "M0.0,1.0 A1.0,1.0 0 1,1 1.0,0.0 A1.0,1.0 0 0,0 0.0,-1.0 L0.0,1.0");
}

TEST(SvgDrawing, NumbersThePartsInTheOrderWritten) {
    const std::string svg = svg_of(macro_of(example, {1.0F, 0.8F, 2, 2}));
    // Part 2 is the one above part 1 (column by column); its Y is flipped.
    EXPECT_TRUE(path_of(svg, "part-2").starts_with("M1.0,-8.8 "));
    EXPECT_TRUE(path_of(svg, "part-3").starts_with("M12.0,0.0 "));
    EXPECT_NE(svg.find(">4</text>"), std::string::npos);
    EXPECT_EQ(svg.find(">5</text>"), std::string::npos);
    EXPECT_NE(svg.find("<title>vb_output.txt: 4 parts</title>"), std::string::npos);
}

TEST(SvgDrawing, KeepsAnEmptyDrawingVisible) {
    const std::string svg = svg_of(macro_of({}, {0.0F, 0.0F, 1, 1}));
    EXPECT_NE(svg.find(R"(viewBox="-1.0 -1.0 2.0 2.0")"), std::string::npos);
    EXPECT_EQ(path_of(svg, "part-1"),
              "M0.0,0.0 L0.0,0.0 L0.0,0.0 L0.0,0.0 L0.0,0.0 L0.0,0.0 L0.0,0.0 L0.0,0.0 "
              "L0.0,0.0 L0.0,0.0 L0.0,0.0 L0.0,0.0 L0.0,0.0");
}

TEST(SvgDrawing, EscapesTheFileName) {
    macro::MacroCheck check =
        macro::check_macro_text(macro_of(example, {1.0F, 0.8F, 1, 1}), "a&b<c>\"d\".txt");
    platform::TextBuffer out;
    write_svg(out, check);
    EXPECT_NE(out.text().find("<title>a&amp;b&lt;c&gt;&quot;d&quot;.txt: 1 part</title>"),
              std::string::npos);
}

}  // namespace
}  // namespace plessard::cli
