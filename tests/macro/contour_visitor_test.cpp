#include "macro/contour_visitor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macro/writing_run.h"
#include "platform/line_sink.h"
#include "support/lines.h"

namespace plessard::macro {
namespace {

const input::PartDimensions example{10.0F, 4.0F, 8.0F, 3.0F, 1.0F, 0.5F};

std::string written(const params::ArrayParameters& array) {
    platform::TextBuffer out;
    write_macro(out, example, array);
    return out.text();
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The contours of the bytes as a drawing is handed them: "part N at line L" for each start,
// then a letter per segment (L line, A counter-clockwise arc, C clockwise arc), then "end".
class ContourLog final : public ContourVisitor {
  public:
    void start(std::size_t part, std::size_t line, const MacroPoint& point) override {
        log.push_back("part " + std::to_string(part) + " at line " + std::to_string(line));
        starts.push_back(point);
        kinds.emplace_back();
    }
    void segment(const MacroSegment& segment) override {
        segments.push_back(segment);
        kinds.back() += segment.kind == SegmentKind::line      ? 'L'
                        : segment.kind == SegmentKind::arc_ccw ? 'A'
                                                               : 'C';
    }
    void end(const MacroBounds& /*bounds*/) override { log.emplace_back("end"); }

    std::vector<std::string> log;
    std::vector<MacroPoint> starts;
    std::vector<std::string> kinds;  // per contour
    std::vector<MacroSegment> segments;
};

TEST(ContourVisitor, HandsOverTheContourOfTheWorkedExample) {
    ContourLog contours;
    visit_contours(written({1.0F, 0.8F, 1, 1}), contours);
    EXPECT_EQ(contours.log, (std::vector<std::string>{"part 1 at line 8", "end"}));
    EXPECT_EQ(contours.starts, std::vector<MacroPoint>{(MacroPoint{1.0, 0.0})});
    EXPECT_EQ(contours.kinds, std::vector<std::string>{"LALALCLALALA"});
    ASSERT_EQ(contours.segments.size(), 12U);
    const MacroSegment& inner = contours.segments[5];
    EXPECT_EQ(inner.line, 14U);
    EXPECT_EQ(inner.start, (MacroPoint{4.5, 3.0}));
    EXPECT_EQ(inner.centre, (MacroPoint{4.5, 3.5}));
    EXPECT_EQ(inner.end, (MacroPoint{4.0, 3.5}));
}

TEST(ContourVisitor, HandsOverAContourCutShortAsEnded) {
    auto lines = testing::lines_of(written({1.0F, 0.8F, 1, 2}));
    lines.erase(lines.begin() + 20);  // the first contour's record 99
    ContourLog contours;
    visit_contours(joined(lines), contours);
    EXPECT_EQ(contours.log,
              (std::vector<std::string>{"part 1 at line 8", "end", "part 2 at line 21", "end"}));
}

}  // namespace
}  // namespace plessard::macro
