#include "cli/svg_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "cli/drawing_bounds.h"
#include "cli/drawing_number.h"
#include "platform/ascii.h"

namespace plessard::cli {
namespace {

using macro::MacroBounds;
using macro::MacroPoint;
using macro::MacroSegment;
using macro::SegmentKind;

// The longer side of the picture when a viewer takes the document's own size.
constexpr double picture_size = 800.0;

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

// SVG runs Y downward: every Y of the macro file changes its sign on the way in.
std::string svg_point(const MacroPoint& point) {
    return drawing_number(point.x) + "," + drawing_number(-point.y);
}

// A margin of a few percent of the drawing; an empty drawing (every dimension zero) still gets
// a view one unit across.
double margin_for(double extent) {
    return extent > 0.0 && std::isfinite(extent) ? extent * 0.03 : 1.0;
}

std::string path_data(const macro::MacroContour& contour) {
    std::string data = "M" + svg_point(contour.start);
    for (const MacroSegment& segment : contour.segments) {
        const double sweep = segment.kind == SegmentKind::line ? 0.0 : macro::arc_sweep(segment);
        const double radius = segment.kind == SegmentKind::line ? 0.0 : macro::arc_radius(segment);
        if (sweep == 0.0 || radius == 0.0) {
            // A line, or an arc that turns through nothing: only its end point counts.
            data += " L" + svg_point(segment.end);
            continue;
        }
        // With Y flipped, counter-clockwise in the file is counter-clockwise on the screen,
        // which is the negative-angle direction of SVG: sweep flag 0. Clockwise is flag 1.
        const char* large = sweep > std::numbers::pi ? "1" : "0";
        const char* direction = segment.kind == SegmentKind::arc_ccw ? "0" : "1";
        data += " A" + drawing_number(radius) + "," + drawing_number(radius) + " 0 " + large + "," +
                direction + " " + svg_point(segment.end);
    }
    return data;
}

}  // namespace

void write_svg(platform::LineSink& out, const macro::MacroCheck& check) {
    const macro::MacroRectangle& rectangle = check.rectangle;
    const MacroBounds all = drawing_bounds(check);
    const double margin = margin_for(std::max(all.right - all.left, all.top - all.bottom));
    const double view_width = (all.right - all.left) + 2.0 * margin;
    const double view_height = (all.top - all.bottom) + 2.0 * margin;
    const double scale = picture_size / std::max(view_width, view_height);
    const double label_fallback = std::max(view_width, view_height) * 0.02;

    out.print_line(R"(<?xml version="1.0" encoding="UTF-8"?>)");
    out.print_line(R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.1")");
    out.print_line("     width=\"" + drawing_number(std::max(1.0, std::round(view_width * scale))) +
                   "\" height=\"" + drawing_number(std::max(1.0, std::round(view_height * scale))) +
                   "\"");
    out.print_line("     viewBox=\"" + drawing_number(all.left - margin) + " " +
                   drawing_number(-(all.top + margin)) + " " + drawing_number(view_width) + " " +
                   drawing_number(view_height) + "\">");
    out.print_line("  <title>" + escaped(check.file_name) + ": " +
                   std::to_string(check.contours.size()) +
                   (check.contours.size() == 1 ? " part" : " parts") + "</title>");
    // Strokes one screen pixel wide at any zoom where vector-effect is understood; elsewhere
    // (librsvg, for one) one pixel at the document's own size, thinner or wider with the zoom.
    out.print_line("  <style>");
    out.print_line("    path { fill: none; stroke-width: " + drawing_number(1.0 / scale) +
                   "; stroke-linejoin: round; }");
    out.print_line("    @supports (vector-effect: non-scaling-stroke) {");
    out.print_line("      path { stroke-width: 1px; vector-effect: non-scaling-stroke; }");
    out.print_line("    }");
    out.print_line("    .rectangle { stroke: #8a8a8a; }");
    out.print_line("    .part { stroke: #1f4e9c; }");
    out.print_line(
        "    text { fill: #b03a12; font-family: sans-serif; text-anchor: middle; "
        "dominant-baseline: central; }");
    out.print_line("  </style>");
    if (check.has_rectangle) {
        const MacroPoint& low = rectangle.lower_left;
        const MacroPoint& high = rectangle.upper_right;
        out.print_line("  <path class=\"rectangle\" d=\"M" + svg_point(low) + " L" +
                       svg_point({high.x, low.y}) + " L" + svg_point(high) + " L" +
                       svg_point({low.x, high.y}) + " Z\"/>");
    }
    for (std::size_t i = 0; i < check.contours.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        out.print_line("  <path class=\"part\" id=\"part-" + number + "\" d=\"" +
                       path_data(check.contours[i]) + "\"><title>part " + number + " (line " +
                       std::to_string(check.contours[i].first_line) + ")</title></path>");
    }
    // The number sits a quarter in from the lower-left corner of the part's box: on the
    // bottom bar of an L-shaped part, clear of its notch.
    for (std::size_t i = 0; i < check.contours.size(); ++i) {
        const MacroBounds bounds = macro::contour_bounds(check.contours[i]);
        const double width = bounds.right - bounds.left;
        const double height = bounds.top - bounds.bottom;
        const double smaller_side = std::min(width, height);
        const double size = smaller_side > 0.0 ? smaller_side * 0.2 : label_fallback;
        out.print_line("  <text x=\"" + drawing_number(bounds.left + width / 4.0) + "\" y=\"" +
                       drawing_number(-(bounds.bottom + height / 4.0)) + "\" font-size=\"" +
                       drawing_number(size) + "\">" + std::to_string(i + 1) + "</text>");
    }
    out.print_line("</svg>");
}

}  // namespace plessard::cli
