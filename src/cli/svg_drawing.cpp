#include "cli/svg_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "cli/drawing_geometry.h"
#include "cli/drawing_number.h"
#include "macro/contour_visitor.h"
#include "text/ascii.h"
#include "text/message_text.h"
#include "text/shortest_text.h"

namespace plessard::cli {
namespace {

using macro::MacroBounds;
using macro::MacroPoint;
using macro::MacroSegment;
using macro::SegmentKind;

// Coordinates and sizes in the drawing, without arithmetic noise.

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
                result.push_back(text::is_printable_ascii(c) ? c : '?');
        }
    }
    return result;
}

// Geometry keeps the numbers of the macro file, X to the right and Y upward; the group
// around it turns them into the picture.
std::string file_point(const MacroPoint& point) {
    return drawing_number(point.x) + "," + drawing_number(point.y);
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
        return "matrix(" + text::shortest_text(scale) + " 0 0 " + text::shortest_text(-scale) +
               " " + text::shortest_text(-left * scale) + " " + text::shortest_text(top * scale) +
               ")";
    }

    double scale = 1.0;  // picture units per file unit
    double width = 0.0;
    double height = 0.0;
    double left = 0.0;  // the file's coordinates at the picture's upper-left corner
    double top = 0.0;
};

// Up to this many parts, each is a path of its own, titled with its number and line, and its
// number is set on it. Beyond that the numbers would cover one another, and the titles alone
// would make the drawing several times the size of its file, so parts go many to a path,
// unnamed: then no record costs more than some two and a half times its bytes in the drawing.
constexpr std::size_t numbered_parts = 1000;

// A number in the picture a quarter in from the lower-left corner of the part's box: on the
// bottom bar of an L-shaped part, clear of its notch. A dot's number stands above and to the
// right of it, so as not to hide it.
std::string label_of(std::size_t part, const MacroBounds& bounds, const PictureSpace& space,
                     bool dot) {
    const double width = bounds.right - bounds.left;
    const double height = bounds.top - bounds.bottom;
    const double smaller_side = std::min(width, height) * space.scale;
    const double size =
        smaller_side > 0.0 ? std::max(smaller_side * 0.2, smallest_label) : picture_size * 0.02;
    const double aside = dot ? size : 0.0;
    return "  <text x=\"" + drawing_number(space.x(bounds.left + width / 4.0) + aside) + "\" y=\"" +
           drawing_number(space.y(bounds.bottom + height / 4.0) - aside) + "\" font-size=\"" +
           drawing_number(size) + "\">" + std::to_string(part) + "</text>";
}

// The radius the two halves of a full circle are written with. They join opposite points, and
// SVG scales a radius too small for its end points up to the one that joins them, the circle's
// own; so where the radius itself would take more than a few characters, a power of ten not
// above it stands for it ("1e-1" for 0.141421). Four radii a circle would otherwise make a
// drawing of circles about a short centre four times the size of its file.
std::string half_circle_radius(double radius) {
    std::string text = drawing_number(radius);
    if (text.size() > 5) {
        text = "1e" + std::to_string(static_cast<int>(std::floor(std::log10(radius))));
    }
    return text;
}

// The outlines of the parts in the order written, numbered up to numbered_parts parts (the
// numbers themselves wait in labels() for the end, so that no outline covers one), many to a
// path beyond. A part that is a single point, which its outline would not show, is a dot: a
// path of class "point", drawn with a wide round pen. The data of a long path goes on over
// further lines (a line break is white space like any other there), so no line, and no
// memory, grows with a contour or with the count of parts.
class PartPaths final : public macro::ContourVisitor {
  public:
    PartPaths(platform::LineSink& out, const PictureSpace& space, bool numbered)
        : out_(out), space_(space), numbered_(numbered) {}

    void start(std::size_t part, std::size_t line, const MacroPoint& point) override {
        part_ = part;
        line_ = line;
        start_ = point;
        outline_ = "M" + file_point(point);
        outline_written_ = false;
        named_ = false;
    }

    void segment(const MacroSegment& segment) override {
        const DrawnSegment drawn = drawn_segment(segment);
        switch (drawn.shape) {
            case DrawnShape::line:
            case DrawnShape::empty_arc:
                outline_ += " L" + file_point(segment.end);
                break;
            case DrawnShape::full_circle: {
                // One arc cannot end where it starts; two halves through the opposite point can.
                const MacroPoint& c = segment.centre;
                const MacroPoint opposite{2.0 * c.x - segment.start.x, 2.0 * c.y - segment.start.y};
                const std::string half =
                    arc_command(segment, half_circle_radius(drawn.radius), true);
                outline_ += half + file_point(opposite) + half + file_point(segment.end);
                break;
            }
            case DrawnShape::arc:
                outline_ += arc_command(segment, drawing_number(drawn.radius),
                                        drawn.sweep > std::numbers::pi) +
                            file_point(segment.end);
                break;
        }
        if (outline_.size() > longest_line) {
            add(Kind::outline, outline_);
            outline_.clear();
            outline_written_ = true;
        }
    }

    void end(const MacroBounds& bounds) override {
        const bool dot = macro::is_single_point(bounds);
        // A single point's outline adds nothing to its dot, unless it is already written.
        if (!dot || outline_written_) {
            add(Kind::outline, outline_);
        }
        if (dot) {
            add(Kind::point, "M" + file_point(start_) + " h0");
        }
        if (numbered_) {
            close();
            labels_.push_back(label_of(part_, bounds, space_, dot));
        }
    }

    // Ends the path being written.
    void finish() { close(); }

    // The part numbers, one line each, when the parts are numbered.
    [[nodiscard]] const std::vector<std::string>& labels() const noexcept { return labels_; }

  private:
    enum class Kind { none, outline, point };

    static constexpr std::size_t longest_line = 4096;

    // In the file's own numbers, Y upward, counter-clockwise is the positive-angle direction
    // of SVG: sweep flag 1. Clockwise is flag 0.
    static std::string arc_command(const MacroSegment& arc, const std::string& radius, bool large) {
        return " A" + radius + "," + radius + " 0 " + (large ? "1" : "0") + "," +
               (arc.kind == SegmentKind::arc_ccw ? "1" : "0") + " ";
    }

    // Adds path data to the path of its kind, which is opened when the path being written is
    // of the other kind (or, when parts are numbered, of another part).
    void add(Kind kind, std::string_view data) {
        if (kind != kind_) {
            close();
            text_ =
                std::string("    <path class=\"") + (kind == Kind::point ? "point" : "part") + "\"";
            if (numbered_ && !named_) {
                text_ += " id=\"part-" + std::to_string(part_) + "\"";
                named_ = true;
            }
            text_ += " d=\"";
            kind_ = kind;
            if (data.starts_with(' ')) {
                data.remove_prefix(1);
            }
        } else if (!data.empty() && !data.starts_with(' ')) {
            text_ += ' ';
        }
        text_ += data;
        if (text_.size() > longest_line) {
            out_.print_line(text_);
            text_ = "    ";
        }
    }

    void close() {
        if (kind_ == Kind::none) {
            return;
        }
        if (numbered_) {
            text_ += "\"><title>part " + std::to_string(part_) + " (line " + std::to_string(line_) +
                     ")</title></path>";
        } else {
            text_ += "\"/>";
        }
        out_.print_line(text_);
        kind_ = Kind::none;
    }

    platform::LineSink& out_;
    const PictureSpace& space_;
    bool numbered_;
    std::size_t part_ = 0;
    std::size_t line_ = 0;
    MacroPoint start_;
    std::string outline_;  // of the part being read, not yet written
    bool outline_written_ = false;
    bool named_ = false;  // the part's id is given
    Kind kind_ = Kind::none;
    std::string text_;  // the line being written
    std::vector<std::string> labels_;
};

// Strokes one screen pixel wide at any zoom where vector-effect is understood; elsewhere
// (librsvg, for one) one unit of the picture at the document's own size, thinner or wider with
// the zoom. The outlines live in the file's units, where that unit is 1 / scale. A dot is a pen
// six times as wide set down once.
void write_style(platform::LineSink& out, const PictureSpace& space) {
    out.print_line("  <style>");
    out.print_line("    path { fill: none; stroke-width: " +
                   text::shortest_text(1.0 / space.scale) + "; stroke-linejoin: round; }");
    out.print_line("    .point { stroke-width: " + text::shortest_text(6.0 / space.scale) +
                   "; stroke-linecap: round; }");
    out.print_line("    @supports (vector-effect: non-scaling-stroke) {");
    out.print_line("      path { stroke-width: 1px; vector-effect: non-scaling-stroke; }");
    out.print_line("      .point { stroke-width: 6px; }");
    out.print_line("    }");
    out.print_line("    .rectangle { stroke: #8a8a8a; }");
    out.print_line("    .part, .point { stroke: #1f4e9c; }");
    out.print_line(
        "    text { fill: #b03a12; font-family: sans-serif; text-anchor: middle; "
        "dominant-baseline: central; }");
    out.print_line("  </style>");
}

}  // namespace

void write_svg(platform::LineSink& out, const macro::MacroCheck& check, std::string_view bytes) {
    const PictureSpace space(check.extent);
    const std::string scale = text::shortest_text(space.scale);

    out.print_line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
    out.print_line(R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.1")");
    out.print_line("     width=\"" + drawing_number(std::max(1.0, std::round(space.width))) +
                   "\" height=\"" + drawing_number(std::max(1.0, std::round(space.height))) + "\"");
    out.print_line("     viewBox=\"0 0 " + drawing_number(space.width) + " " +
                   drawing_number(space.height) + "\">");
    out.print_line("  <title>" + escaped(check.file_name) + ": " +
                   text::plural(check.parts, "part", "parts") + "</title>");
    out.print_line(
        "  <!-- The outlines carry the numbers of the macro file, in its own units with Y "
        "upward; one transform scales them by " +
        scale + " into the picture. -->");
    if (check.parts > numbered_parts) {
        out.print_line("  <!-- More than " + std::to_string(numbered_parts) +
                       " parts: they are drawn many to a path, without their numbers. -->");
    }
    write_style(out, space);
    out.print_line("  <g transform=\"" + space.transform() + "\">");
    if (check.has_rectangle) {
        const auto corners = rectangle_corners(check.rectangle);
        out.print_line("    <path class=\"rectangle\" d=\"M" + file_point(corners[0]) + " L" +
                       file_point(corners[1]) + " L" + file_point(corners[2]) + " L" +
                       file_point(corners[3]) + " Z\"/>");
    }
    PartPaths paths(out, space, check.parts <= numbered_parts);
    macro::visit_contours(bytes, paths);
    paths.finish();
    out.print_line("  </g>");
    for (const std::string& label : paths.labels()) {
        out.print_line(label);
    }
    out.print_line("</svg>");
}

}  // namespace plessard::cli
