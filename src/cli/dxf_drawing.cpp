#include "cli/dxf_drawing.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "cli/drawing_geometry.h"
#include "cli/drawing_number.h"
#include "macro/contour_visitor.h"

namespace plessard::cli {
namespace {

using macro::MacroPoint;
using macro::MacroSegment;
using macro::SegmentKind;

constexpr std::string_view rectangle_layer = "RECTANGLE";
constexpr std::string_view parts_layer = "PARTS";

// A DXF file is a list of pairs: a group code on one line, its value on the next. The codes
// are right-aligned in three columns, the way CAD programs write them.
class DxfPairs {
  public:
    explicit DxfPairs(platform::LineSink& out) : out_(out) {}

    void text(int code, std::string_view value) {
        std::string code_text = std::to_string(code);
        if (code_text.size() < 3) {
            code_text.insert(0, 3 - code_text.size(), ' ');
        }
        out_.print_line(code_text);
        out_.print_line(value);
    }
    void number(int code, double value) { text(code, drawing_number(value)); }
    void integer(int code, int value) { text(code, std::to_string(value)); }

    // Codes 10 and 20 (30 for Z) for a point, or 11/21/31 for the second point of a line.
    void point(int first_code, const MacroPoint& point) {
        number(first_code, point.x);
        number(first_code + 10, point.y);
        number(first_code + 20, 0.0);
    }

    void line(std::string_view layer, const MacroPoint& from, const MacroPoint& to) {
        text(0, "LINE");
        text(8, layer);
        point(10, from);
        point(11, to);
    }

  private:
    platform::LineSink& out_;
};

void write_header(DxfPairs& dxf, const macro::MacroCheck& check) {
    const macro::MacroBounds& bounds = check.extent;
    dxf.text(0, "SECTION");
    dxf.text(2, "HEADER");
    dxf.text(9, "$ACADVER");
    dxf.text(1, "AC1009");
    dxf.text(9, "$EXTMIN");
    dxf.point(10, {bounds.left, bounds.bottom});
    dxf.text(9, "$EXTMAX");
    dxf.point(10, {bounds.right, bounds.top});
    dxf.text(0, "ENDSEC");
}

void write_tables(DxfPairs& dxf) {
    dxf.text(0, "SECTION");
    dxf.text(2, "TABLES");

    dxf.text(0, "TABLE");
    dxf.text(2, "LTYPE");
    dxf.integer(70, 1);
    dxf.text(0, "LTYPE");
    dxf.text(2, "CONTINUOUS");
    dxf.integer(70, 0);
    dxf.text(3, "Solid line");
    dxf.integer(72, 65);
    dxf.integer(73, 0);
    dxf.number(40, 0.0);
    dxf.text(0, "ENDTAB");

    dxf.text(0, "TABLE");
    dxf.text(2, "LAYER");
    dxf.integer(70, 2);
    constexpr int grey = 8;
    constexpr int white = 7;
    const std::array<std::pair<std::string_view, int>, 2> layers{
        {{rectangle_layer, grey}, {parts_layer, white}}};
    for (const auto& [name, colour] : layers) {
        dxf.text(0, "LAYER");
        dxf.text(2, name);
        dxf.integer(70, 0);
        dxf.integer(62, colour);
        dxf.text(6, "CONTINUOUS");
    }
    dxf.text(0, "ENDTAB");

    dxf.text(0, "ENDSEC");
}

void write_circle(DxfPairs& dxf, const MacroPoint& centre, double radius) {
    dxf.text(0, "CIRCLE");
    dxf.text(8, parts_layer);
    dxf.point(10, centre);
    dxf.number(40, radius);
}

// DXF arcs always run counter-clockwise from the start angle to the end angle, so a clockwise
// arc is the counter-clockwise one from its end to its start.
void write_arc(DxfPairs& dxf, const MacroSegment& arc, double radius) {
    const bool clockwise = arc.kind == SegmentKind::arc_cw;
    const MacroPoint& from = clockwise ? arc.end : arc.start;
    const MacroPoint& to = clockwise ? arc.start : arc.end;
    dxf.text(0, "ARC");
    dxf.text(8, parts_layer);
    dxf.point(10, arc.centre);
    dxf.number(40, radius);
    dxf.number(50, macro::direction_degrees(arc.centre, from));
    dxf.number(51, macro::direction_degrees(arc.centre, to));
}

// Every line and arc of the parts, as the file is read, and a POINT for a part that is a single
// point, which its lines and arcs would not show.
class PartEntities final : public macro::ContourVisitor {
  public:
    explicit PartEntities(DxfPairs& dxf) : dxf_(dxf) {}

    void start(std::size_t /*part*/, std::size_t /*line*/, const MacroPoint& point) override {
        start_ = point;
    }
    void segment(const MacroSegment& segment) override {
        const DrawnSegment drawn = drawn_segment(segment);
        switch (drawn.shape) {
            case DrawnShape::line:
                dxf_.line(parts_layer, segment.start, segment.end);
                break;
            case DrawnShape::empty_arc:
                // It draws nothing; DXF would read it as a full circle.
                break;
            case DrawnShape::full_circle:
                write_circle(dxf_, segment.centre, drawn.radius);
                break;
            case DrawnShape::arc:
                write_arc(dxf_, segment, drawn.radius);
                break;
        }
    }
    void end(const macro::MacroBounds& bounds) override {
        if (macro::is_single_point(bounds)) {
            dxf_.text(0, "POINT");
            dxf_.text(8, parts_layer);
            dxf_.point(10, start_);
        }
    }

  private:
    DxfPairs& dxf_;
    MacroPoint start_;
};

void write_entities(DxfPairs& dxf, const macro::MacroCheck& check, std::string_view bytes) {
    dxf.text(0, "SECTION");
    dxf.text(2, "ENTITIES");
    if (check.has_rectangle) {
        const auto corners = rectangle_corners(check.rectangle);
        for (std::size_t i = 0; i < corners.size(); ++i) {
            dxf.line(rectangle_layer, corners[i], corners[(i + 1) % corners.size()]);
        }
    }
    PartEntities parts(dxf);
    macro::visit_contours(bytes, parts);
    dxf.text(0, "ENDSEC");
}

}  // namespace

void write_dxf(platform::LineSink& out, const macro::MacroCheck& check, std::string_view bytes) {
    DxfPairs dxf(out);
    write_header(dxf, check);
    write_tables(dxf);
    write_entities(dxf, check, bytes);
    dxf.text(0, "EOF");
}

}  // namespace plessard::cli
