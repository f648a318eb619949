#include "cli/dxf_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "macro/writing_run.h"
#include "platform/line_sink.h"

namespace plessard::cli {
namespace {

const input::PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

// The DXF as its pairs of group code (trimmed) and value.
std::vector<std::pair<std::string, std::string>> pairs_of(const input::PartDimensions& part,
                                                          const params::ArrayParameters& array) {
    platform::TextBuffer macro;
    macro::write_macro(macro, part, array);
    platform::TextBuffer out;
    write_dxf(out, macro::check_macro_text(macro.text(), "m.txt"), macro.text());
    std::vector<std::string> lines;
    const std::string& text = out.text();
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        pairs.emplace_back(lines[i].substr(lines[i].find_first_not_of(' ')), lines[i + 1]);
    }
    EXPECT_EQ(lines.size() % 2, 0U);
    return pairs;
}

std::size_t count(const std::vector<std::pair<std::string, std::string>>& pairs,
                  const std::string& value) {
    std::size_t n = 0;
    for (const auto& [code, text] : pairs) {
        n += code == "0" && text == value ? 1 : 0;
    }
    return n;
}

TEST(DxfDrawing, HasBalancedSectionsAndTables) {
    const auto pairs = pairs_of(example, {1.0F, 0.8F, 4, 3});
    EXPECT_EQ(count(pairs, "SECTION"), 3U);
    EXPECT_EQ(count(pairs, "ENDSEC"), 3U);
    EXPECT_EQ(count(pairs, "TABLE"), 2U);
    EXPECT_EQ(count(pairs, "ENDTAB"), 2U);
    EXPECT_EQ(pairs.back(), (std::pair<std::string, std::string>{"0", "EOF"}));
    // Four rectangle edges and six lines a part; six arcs a part.
    EXPECT_EQ(count(pairs, "LINE"), 4U + 6U * 12U);
    EXPECT_EQ(count(pairs, "ARC"), 6U * 12U);
    // Release 12, no units claimed.
    EXPECT_EQ(pairs[2], (std::pair<std::string, std::string>{"9", "$ACADVER"}));
    EXPECT_EQ(pairs[3], (std::pair<std::string, std::string>{"1", "AC1009"}));
    for (const auto& [code, text] : pairs) {
        EXPECT_NE(text, "$INSUNITS");
    }
}

TEST(DxfDrawing, WritesTheArcsOfTheWorkedExampleCounterClockwise) {
    const auto pairs = pairs_of(example, {1.0F, 0.8F, 1, 1});
    // Each arc as layer, centre, radius, start and end angle.
    std::vector<std::string> arcs;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i] != std::pair<std::string, std::string>{"0", "ARC"}) {
            continue;
        }
        std::string arc;
        for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != "0"; ++j) {
            arc += pairs[j].first + "=" + pairs[j].second + " ";
        }
        arcs.push_back(arc);
    }
    EXPECT_EQ(arcs, (std::vector<std::string>{
                        "8=PARTS 10=9.0 20=1.0 30=0.0 40=1.0 50=270.0 51=0.0 ",
                        "8=PARTS 10=9.5 20=2.5 30=0.0 40=0.5 50=0.0 51=90.0 ",
                        // The clockwise inner corner, from (4.5, 3.0) to (4.0, 3.5), runs
                        // counter-clockwise from its end to its start.
                        "8=PARTS 10=4.5 20=3.5 30=0.0 40=0.5 50=180.0 51=270.0 ",
                        "8=PARTS 10=3.5 20=7.5 30=0.0 40=0.5 50=0.0 51=90.0 ",
                        "8=PARTS 10=1.0 20=7.0 30=0.0 40=1.0 50=90.0 51=180.0 ",
                        "8=PARTS 10=1.0 20=1.0 30=0.0 40=1.0 50=180.0 51=270.0 ",
                    }));
}

TEST(DxfDrawing, PutsTheRectangleOnItsOwnLayer) {
    const auto pairs = pairs_of(example, {1.0F, 0.8F, 1, 1});
    std::vector<std::string> first_line;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i] == std::pair<std::string, std::string>{"0", "LINE"}) {
            for (std::size_t j = i + 1; j < i + 8; ++j) {
                first_line.push_back(pairs[j].first + "=" + pairs[j].second);
            }
            break;
        }
    }
    EXPECT_EQ(first_line, (std::vector<std::string>{"8=RECTANGLE", "10=-1.0", "20=-0.8", "30=0.0",
                                                    "11=11.0", "21=-0.8", "31=0.0"}));
}

TEST(DxfDrawing, DrawsAnArcBackToItsStartAsACircle) {
    const std::string macro =
        "101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n"
        "0,0.0, 0.0\r\n3,1.0, 0.0, 0.0, 0.0\r\n99\r\n-1\r\n";
    platform::TextBuffer out;
    write_dxf(out, macro::check_macro_text(macro, "c.txt"), macro);
    const std::string& text = out.text();
    const auto entities = text.find("ENTITIES\r\n");
    ASSERT_NE(entities, std::string::npos);
    // After the rectangle's four lines, the circle and nothing else.
    const auto circle = text.find("  0\r\nCIRCLE\r\n", entities);
    ASSERT_NE(circle, std::string::npos);
    EXPECT_EQ(text.substr(circle),
              "  0\r\nCIRCLE\r\n  8\r\nPARTS\r\n 10\r\n1.0\r\n 20\r\n0.0\r\n 30\r\n0.0\r\n"
              " 40\r\n1.0\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
}

// Every point of the part at the origin: the lines of no length show nothing, the POINT does.
TEST(DxfDrawing, LeavesOutArcsOfRadiusZeroAndMarksASinglePoint) {
    const auto pairs = pairs_of({}, {1.0F, 1.0F, 1, 1});
    EXPECT_EQ(count(pairs, "ARC"), 0U);
    EXPECT_EQ(count(pairs, "LINE"), 4U + 6U);
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Pairs(pairs.end() - 7, pairs.end()), (Pairs{{"0", "POINT"},
                                                          {"8", "PARTS"},
                                                          {"10", "0.0"},
                                                          {"20", "0.0"},
                                                          {"30", "0.0"},
                                                          {"0", "ENDSEC"},
                                                          {"0", "EOF"}}));
}

}  // namespace
}  // namespace plessard::cli
