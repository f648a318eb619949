#include "form/dimension_drawing.h"

#include <cstddef>

namespace plessard::form {
namespace {

constexpr Rgb white{255, 255, 255};
constexpr Rgb frame_colour{127, 157, 185};
constexpr Rgb outline_colour{0, 0, 0};
constexpr Rgb dimension_colour{128, 128, 128};

constexpr int frame_width = 2;
// The room a label of two capitals may take around its centre, whatever face sets it; a
// dimension line stops label_margin short of it.
constexpr int lettering_half_width = 8;
constexpr int lettering_half_height = 5;
constexpr int label_margin = 2;
constexpr int arrow_length = 7;

void horizontal(Picture& picture, int y, int x_from, int x_to, Rgb colour) {
    for (int x = x_from; x <= x_to; ++x) {
        picture.plot(x, y, colour);
    }
}

void vertical(Picture& picture, int x, int y_from, int y_to, Rgb colour) {
    for (int y = y_from; y <= y_to; ++y) {
        picture.plot(x, y, colour);
    }
}

void fill(Picture& picture, int left, int top, int width, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y) {
        horizontal(picture, y, left, left + width - 1, colour);
    }
}

// A quarter circle about (cx, cy); sx and sy (each +1 or -1) pick the quadrant in picture
// coordinates. Midpoint rasterising gives a thin arc that meets the straight edges exactly at
// (cx + sx * r, cy) and (cx, cy + sy * r).
void quarter_circle(Picture& picture, int cx, int cy, int r, int sx, int sy, Rgb colour) {
    int x = 0;
    int y = r;
    int decision = 1 - r;
    while (x <= y) {
        picture.plot(cx + sx * x, cy + sy * y, colour);
        picture.plot(cx + sx * y, cy + sy * x, colour);
        if (decision < 0) {
            decision += 2 * x + 3;
        } else {
            decision += 2 * (x - y) + 5;
            --y;
        }
        ++x;
    }
}

// A solid arrowhead with its tip at (x, y), pointing along (dx, dy), one of the four axes.
void arrowhead(Picture& picture, int x, int y, int dx, int dy, Rgb colour) {
    for (int step = 0; step < arrow_length; ++step) {
        const int half = (step + 1) / 3;
        const int along_x = x - dx * step;
        const int along_y = y - dy * step;
        for (int across = -half; across <= half; ++across) {
            picture.plot(along_x + dy * across, along_y + dx * across, colour);
        }
    }
}

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

void draw_frame(Picture& picture) {
    const int far_edge = drawing_size - frame_width;
    fill(picture, 0, 0, drawing_size, frame_width, frame_colour);
    fill(picture, 0, far_edge, drawing_size, frame_width, frame_colour);
    fill(picture, 0, 0, frame_width, drawing_size, frame_colour);
    fill(picture, far_edge, 0, frame_width, drawing_size, frame_colour);
}

void draw_outline(Picture& picture) {
    const Rgb ink = outline_colour;
    vertical(picture, 33, 71, 142, ink);               // left side
    horizontal(picture, 59, 45, 84, ink);              // top of the upright
    vertical(picture, 91, 66, 100, ink);               // right side of the upright
    horizontal(picture, 107, 98, 154, ink);            // top of the short leg
    vertical(picture, 161, 114, 142, ink);             // right end of the short leg
    horizontal(picture, 154, 45, 149, ink);            // bottom
    quarter_circle(picture, 45, 71, 12, -1, -1, ink);  // top left
    quarter_circle(picture, 45, 142, 12, -1, 1, ink);  // bottom left
    quarter_circle(picture, 149, 142, 12, 1, 1, ink);  // bottom right
    quarter_circle(picture, 84, 66, 7, 1, -1, ink);    // top right of the upright
    quarter_circle(picture, 98, 100, 7, -1, 1, ink);   // inner corner
    quarter_circle(picture, 154, 114, 7, 1, -1, ink);  // top right of the short leg
}

// Draws the lines and arrowheads of one dimension, broken in the middle for its label, and
// gives back where the label goes.
Lettering draw_dimension(Picture& picture, const Dimension& d) {
    const Rgb ink = dimension_colour;
    const int middle = (d.from + d.to) / 2;
    if (d.horizontal) {
        const int gap = lettering_half_width + label_margin;
        vertical(picture, d.from, d.extension_from, d.extension_to, ink);
        vertical(picture, d.to, d.extension_from, d.extension_to, ink);
        horizontal(picture, d.at, d.from + 1, middle - gap - 1, ink);
        horizontal(picture, d.at, middle + gap + 1, d.to - 1, ink);
        arrowhead(picture, d.from + 1, d.at, -1, 0, ink);
        arrowhead(picture, d.to - 1, d.at, 1, 0, ink);
        return {d.text, middle, d.at};
    }
    const int gap = lettering_half_height + label_margin;
    horizontal(picture, d.from, d.extension_from, d.extension_to, ink);
    horizontal(picture, d.to, d.extension_from, d.extension_to, ink);
    vertical(picture, d.at, d.from + 1, middle - gap - 1, ink);
    vertical(picture, d.at, middle + gap + 1, d.to - 1, ink);
    arrowhead(picture, d.at, d.from + 1, 0, -1, ink);
    arrowhead(picture, d.at, d.to - 1, 0, 1, ink);
    return {d.text, d.at, middle};
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

DimensionDrawing dimension_drawing() {
    DimensionDrawing drawing{Picture(drawing_size, drawing_size, white), {}};
    draw_frame(drawing.picture);
    draw_outline(drawing.picture);
    std::size_t placed = 0;
    for (const Dimension& d : dimensions) {
        drawing.lettering[placed++] = draw_dimension(drawing.picture, d);
    }
    for (const Lettering& corner : corner_labels) {
        drawing.lettering[placed++] = corner;
    }
    return drawing;
}

}  // namespace plessard::form
