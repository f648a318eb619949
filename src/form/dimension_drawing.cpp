#include "form/dimension_drawing.h"

#include <cstddef>
#include <utility>

#include "form/drawing_canvas.h"

namespace plessard::form {
namespace {

constexpr Rgb white{255, 255, 255};
constexpr Rgb frame_colour{127, 157, 185};
constexpr Rgb outline_colour{0, 0, 0};
constexpr Rgb dimension_colour{128, 128, 128};

constexpr int frame_width = 2;
// The focus frame's band stays clear of the frame.
static_assert(frame_width < focus_frame_inset);
// The room a label of two capitals may take around its centre, whatever face sets it; a
// dimension line stops label_margin short of it.
constexpr int lettering_half_width = 8;
constexpr int lettering_half_height = 5;
constexpr int label_margin = 2;

// Each radius label sits inside the outline, in the corner whose radius it names.
constexpr std::array<Lettering, 6> corner_labels{{
    {"R1", 47, 72},    // top left
    {"R2", 80, 69},    // top right of the upright
    {"R2", 82, 115},   // the inner corner, in the upright
    {"R2", 149, 116},  // top right of the short leg
    {"R1", 47, 143},   // bottom left
    {"R1", 147, 143},  // bottom right
}};

// A dimension between two extension lines at `from` and `to`, its line at `at`. A horizontal
// dimension measures along x: its extension lines are vertical and run from `extension_from`
// to `extension_to` in y. A vertical one is the same with x and y swapped.
struct Dimension {
    std::string_view text;
    bool horizontal;
    int at;
    int from;
    int to;
    int extension_from;
    int extension_to;
};

constexpr std::array<Dimension, 4> dimensions{{
    {"L2", true, 36, 33, 92, 33, 59},
    {"L1", true, 167, 33, 161, 156, 169},
    {"H1", false, 18, 59, 154, 13, 31},
    {"H2", false, 179, 107, 154, 163, 182},
}};

void draw_outline(DrawingCanvas& canvas) {
    const Rgb ink = outline_colour;
    canvas.vertical(33, 71, 142, ink);               // left side
    canvas.horizontal(59, 45, 84, ink);              // top of the upright
    canvas.vertical(91, 66, 100, ink);               // right side of the upright
    canvas.horizontal(107, 98, 154, ink);            // top of the short leg
    canvas.vertical(161, 114, 142, ink);             // right end of the short leg
    canvas.horizontal(154, 45, 149, ink);            // bottom
    canvas.quarter_circle(45, 71, 12, -1, -1, ink);  // top left
    canvas.quarter_circle(45, 142, 12, -1, 1, ink);  // bottom left
    canvas.quarter_circle(149, 142, 12, 1, 1, ink);  // bottom right
    canvas.quarter_circle(84, 66, 7, 1, -1, ink);    // top right of the upright
    canvas.quarter_circle(98, 100, 7, -1, 1, ink);   // inner corner
    canvas.quarter_circle(154, 114, 7, 1, -1, ink);  // top right of the short leg
}

// Draws the lines and arrowheads of one dimension, broken in the middle for its label, and
// gives back where the label goes.
Lettering draw_dimension(DrawingCanvas& canvas, const Dimension& d) {
    const Rgb ink = dimension_colour;
    const int middle = (d.from + d.to) / 2;
    if (d.horizontal) {
        const int gap = lettering_half_width + label_margin;
        canvas.vertical(d.from, d.extension_from, d.extension_to, ink);
        canvas.vertical(d.to, d.extension_from, d.extension_to, ink);
        canvas.horizontal(d.at, d.from + 1, middle - gap - 1, ink);
        canvas.horizontal(d.at, middle + gap + 1, d.to - 1, ink);
        canvas.arrowhead(d.from + 1, d.at, -1, 0, ink);
        canvas.arrowhead(d.to - 1, d.at, 1, 0, ink);
        return {d.text, canvas.anchor(middle), canvas.anchor(d.at)};
    }
    const int gap = lettering_half_height + label_margin;
    canvas.horizontal(d.from, d.extension_from, d.extension_to, ink);
    canvas.horizontal(d.to, d.extension_from, d.extension_to, ink);
    canvas.vertical(d.at, d.from + 1, middle - gap - 1, ink);
    canvas.vertical(d.at, middle + gap + 1, d.to - 1, ink);
    canvas.arrowhead(d.at, d.from + 1, 0, -1, ink);
    canvas.arrowhead(d.at, d.to - 1, 0, 1, ink);
    return {d.text, canvas.anchor(d.at), canvas.anchor(middle)};
}

}  // namespace

Picture::Picture(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      bytes_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    for (std::size_t i = 0; i < bytes_.size(); i += 3) {
        bytes_[i] = background.red;
        bytes_[i + 1] = background.green;
        bytes_[i + 2] = background.blue;
    }
}

Rgb Picture::pixel(int x, int y) const noexcept {
    const auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                     static_cast<std::size_t>(x)) *
                    3;
    return {bytes_[at], bytes_[at + 1], bytes_[at + 2]};
}

void Picture::plot(int x, int y, Rgb colour) noexcept {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    const auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                     static_cast<std::size_t>(x)) *
                    3;
    bytes_[at] = colour.red;
    bytes_[at + 1] = colour.green;
    bytes_[at + 2] = colour.blue;
}

DimensionDrawing dimension_drawing(double scale) {
    DrawingCanvas canvas(scale, white);
    canvas.border(frame_width, frame_colour);
    draw_outline(canvas);
    LetteringSet lettering;
    std::size_t placed = 0;
    for (const Dimension& d : dimensions) {
        lettering[placed++] = draw_dimension(canvas, d);
    }
    for (const Lettering& corner : corner_labels) {
        lettering[placed++] = {corner.text, canvas.anchor(corner.centre_x),
                               canvas.anchor(corner.centre_y)};
    }
    const double drawn_at = canvas.scale();
    const int cap_height = static_cast<int>(lettering_cap_height * drawn_at + 0.5);
    return {std::move(canvas).picture(), lettering, drawn_at, cap_height};
}

}  // namespace plessard::form
