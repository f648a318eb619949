#include "cli/svg_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "platform/ascii.h"
#include "platform/decimal_text.h"
#include "platform/message_text.h"
#include "platform/shortest_text.h"

namespace plessard::cli {
namespace {

using macro::MacroBounds;
using macro::MacroPoint;
using macro::MacroSegment;
using macro::SegmentKind;
using platform::decimal_text;

// Coordinates and sizes in the drawing, without arithmetic noise.
constexpr platform::Rounding in_drawing = platform::Rounding::drawing;

// The longer side of the picture, in the user units of the document. Text is sized in these
// units, so a part number has the same size on the page whatever the file's own units are: a
// font size of 0.016 or of two million (as parts of 0.1 or 1e37 would give) is what viewers
// cannot draw.
constexpr double picture_size = 800.0;

// Part numbers no smaller than a hundredth of the picture, so that a thin part still shows a
// readable one.
constexpr double smallest_label = picture_size / 100.0;

std::string escaped(const std::string& text) {
    std::string result;
    for (const char c : text) {
        switch (c) {
            case '&':
                result += "&amp;";
                break;
            case '<':
                result += "&lt;";
                break;
            case '>':
                result += "&gt;";
                break;
            case '"':
                result += "&quot;";
                break;
            default:
                // Anything but printable ASCII could make the document invalid XML.
                result.push_back(platform::is_printable_ascii(c) ? c : '?');
        }
    }
    return result;
}

// Geometry keeps the numbers of the macro file, X to the right and Y upward; the group
// around it turns them into the picture.
std::string file_point(const MacroPoint& point) {
    return decimal_text(point.x, in_drawing) + "," + decimal_text(point.y, in_drawing);
}

// A margin of a few percent of the drawing; an empty drawing (every dimension zero) still gets
// a view one unit across.
double margin_for(double extent) {
    return extent > 0.0 && std::isfinite(extent) ? extent * 0.03 : 1.0;
}

// How the file's units map onto the picture: X scaled, Y scaled and turned upward, the
// lower-left corner of the view at the picture's lower-left corner.
struct PictureSpace {
    explicit PictureSpace(const MacroBounds& extent) {
        const double margin =
            margin_for(std::max(extent.right - extent.left, extent.top - extent.bottom));
        const double view_width = extent.right - extent.left + 2.0 * margin;
        const double view_height = extent.top - extent.bottom + 2.0 * margin;
        scale = picture_size / std::max(view_width, view_height);
        width = view_width * scale;
        height = view_height * scale;
        left = extent.left - margin;
        top = extent.top + margin;
    }

    [[nodiscard]] double x(double file_x) const { return (file_x - left) * scale; }
    [[nodiscard]] double y(double file_y) const { return (top - file_y) * scale; }
    // The same as an SVG transform of the file's numbers.
    [[nodiscard]] std::string transform() const {
        return "matrix(" + platform::shortest_text(scale) + " 0 0 " +
               platform::shortest_text(-scale) + " " + platform::shortest_text(-left * scale) +
               " " + platform::shortest_text(top * scale) + ")";
    }

    double scale = 1.0;  // picture units per file unit
    double width = 0.0;
    double height = 0.0;
    double left = 0.0;  // the file's coordinates at the picture's upper-left corner
    double top = 0.0;
};

// One path per part, in the order written, each with a title naming its line. The path data of
// a contour with thousands of segments goes on over further lines (a line break is white space
// like any other there), so no line, and no memory, grows with a contour.
class PartPaths final : public macro::ContourVisitor {
  public:
    explicit PartPaths(platform::LineSink& out) : out_(out) {}

    void start(std::size_t part, std::size_t line, const MacroPoint& point) override {
        const std::string number = std::to_string(part);
        title_ = "<title>part " + number + " (line " + std::to_string(line) + ")</title>";
        data_ = "    <path class=\"part\" id=\"part-" + number + "\" d=\"M" + file_point(point);
    }

    void segment(const MacroSegment& segment) override {
        const double sweep = segment.kind == SegmentKind::line ? 0.0 : macro::arc_sweep(segment);
        const double radius = segment.kind == SegmentKind::line ? 0.0 : macro::arc_radius(segment);
        if (sweep == 0.0 || radius == 0.0) {
            // A line, or an arc that turns through nothing: only its end point counts.
            data_ += " L" + file_point(segment.end);
            end_line_if_long();
            return;
        }
        // In the file's own numbers, Y upward, counter-clockwise is the positive-angle
        // direction of SVG: sweep flag 1. Clockwise is flag 0.
        const std::string arc = " A" + decimal_text(radius, in_drawing) + "," +
                                decimal_text(radius, in_drawing) + " 0 " +
                                (sweep > std::numbers::pi ? "1" : "0") + "," +
                                (segment.kind == SegmentKind::arc_ccw ? "1" : "0") + " ";
        if (macro::is_full_circle(segment)) {
            // One arc cannot end where it starts; two halves through the opposite point can.
            const MacroPoint& c = segment.centre;
            const MacroPoint opposite{2.0 * c.x - segment.start.x, 2.0 * c.y - segment.start.y};
            data_ += arc + file_point(opposite) + arc + file_point(segment.end);
        } else {
            data_ += arc + file_point(segment.end);
        }
        end_line_if_long();
    }

    void end(const MacroBounds& /*bounds*/) override {
        data_.append("\">").append(title_).append("</path>");
        out_.print_line(data_);
    }

  private:
    static constexpr std::size_t longest_line = 4096;

    void end_line_if_long() {
        if (data_.size() > longest_line) {
            out_.print_line(data_);
            data_ = "     ";
        }
    }

    platform::LineSink& out_;
    std::string data_;
    std::string title_;
};

// The part numbers, after every path so that no outline covers one. Each sits a quarter in
// from the lower-left corner of the part's box: on the bottom bar of an L-shaped part, clear
// of its notch.
class PartNumbers final : public macro::ContourVisitor {
  public:
    PartNumbers(platform::LineSink& out, const PictureSpace& space) : out_(out), space_(space) {}

    void start(std::size_t part, std::size_t /*line*/, const MacroPoint& /*point*/) override {
        part_ = part;
    }
    void end(const MacroBounds& bounds) override {
        const double width = bounds.right - bounds.left;
        const double height = bounds.top - bounds.bottom;
        const double smaller_side = std::min(width, height) * space_.scale;
        const double size =
            smaller_side > 0.0 ? std::max(smaller_side * 0.2, smallest_label) : picture_size * 0.02;
        out_.print_line("  <text x=\"" +
                        decimal_text(space_.x(bounds.left + width / 4.0), in_drawing) + "\" y=\"" +
                        decimal_text(space_.y(bounds.bottom + height / 4.0), in_drawing) +
                        "\" font-size=\"" + decimal_text(size, in_drawing) + "\">" +
                        std::to_string(part_) + "</text>");
    }

  private:
    platform::LineSink& out_;
    const PictureSpace& space_;
    std::size_t part_ = 0;
};

}  // namespace

void write_svg(platform::LineSink& out, const macro::MacroCheck& check, std::string_view bytes) {
    const PictureSpace space(check.extent);
    const std::string scale = platform::shortest_text(space.scale);

    out.print_line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
    out.print_line(R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.1")");
    out.print_line(
        "     width=\"" + decimal_text(std::max(1.0, std::round(space.width)), in_drawing) +
        "\" height=\"" + decimal_text(std::max(1.0, std::round(space.height)), in_drawing) + "\"");
    out.print_line("     viewBox=\"0 0 " + decimal_text(space.width, in_drawing) + " " +
                   decimal_text(space.height, in_drawing) + "\">");
    out.print_line("  <title>" + escaped(check.file_name) + ": " +
                   platform::plural(check.parts, "part", "parts") + "</title>");
    out.print_line(
        "  <!-- The outlines carry the numbers of the macro file, in its own units with Y "
        "upward; one transform scales them by " +
        scale + " into the picture. -->");
    // Strokes one screen pixel wide at any zoom where vector-effect is understood; elsewhere
    // (librsvg, for one) one unit of the picture at the document's own size, thinner or wider
    // with the zoom. The outlines live in the file's units, where that unit is 1 / scale.
    out.print_line("  <style>");
    out.print_line("    path { fill: none; stroke-width: " +
                   platform::shortest_text(1.0 / space.scale) + "; stroke-linejoin: round; }");
    out.print_line("    @supports (vector-effect: non-scaling-stroke) {");
    out.print_line("      path { stroke-width: 1px; vector-effect: non-scaling-stroke; }");
    out.print_line("    }");
    out.print_line("    .rectangle { stroke: #8a8a8a; }");
    out.print_line("    .part { stroke: #1f4e9c; }");
    out.print_line(
        "    text { fill: #b03a12; font-family: sans-serif; text-anchor: middle; "
        "dominant-baseline: central; }");
    out.print_line("  </style>");
    out.print_line("  <g transform=\"" + space.transform() + "\">");
    if (check.has_rectangle) {
        const MacroPoint& low = check.rectangle.lower_left;
        const MacroPoint& high = check.rectangle.upper_right;
        out.print_line("    <path class=\"rectangle\" d=\"M" + file_point(low) + " L" +
                       file_point({high.x, low.y}) + " L" + file_point(high) + " L" +
                       file_point({low.x, high.y}) + " Z\"/>");
    }
    PartPaths paths(out);
    macro::visit_contours(bytes, paths);
    out.print_line("  </g>");
    PartNumbers numbers(out, space);
    macro::visit_contours(bytes, numbers);
    out.print_line("</svg>");
}

}  // namespace plessard::cli
