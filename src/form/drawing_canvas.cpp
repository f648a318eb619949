#include "form/drawing_canvas.h"

#include <algorithm>
#include <cmath>

namespace plessard::form {
namespace {

constexpr double smallest_scale = 0.5;
constexpr double largest_scale = 8.0;
constexpr int arrow_length = 7;
// Half the width of an arrowhead's base, in picture pixels: its widest column at 100 % is 5.
constexpr double arrow_half_base = 2.5;
// Smoothed strokes are sampled 8 x 8 times a device pixel.
constexpr int samples_across = 8;
constexpr int samples = samples_across * samples_across;

[[nodiscard]] int nearest(double value) noexcept {
    return static_cast<int>(std::floor(value + 0.5));
}

// The picture's width in device pixels at a scale.
[[nodiscard]] int device_size(double scale) noexcept {
    if (std::isnan(scale)) {
        scale = 1.0;
    }
    return nearest(std::clamp(scale, smallest_scale, largest_scale) * drawing_size);
}

// Where sample i of a device pixel stands, from the pixel's first edge.
[[nodiscard]] double sample_offset(int i) noexcept {
    return (i + 0.5) / samples_across;
}

void solid(Picture& picture, int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            picture.plot(x, y, colour);
        }
    }
}

// Midpoint rasterising gives the thin arc of the picture at 100 %, meeting the straight edges
// exactly at (cx + sx * r, cy) and (cx, cy + sy * r).
void pixel_quarter_circle(Picture& picture, int cx, int cy, int r, int sx, int sy, Rgb colour) {
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

// The arrowhead of the picture at 100 %: columns of 1, 3 and 5 pixels.
void pixel_arrowhead(Picture& picture, int x, int y, int dx, int dy, Rgb colour) {
    for (int step = 0; step < arrow_length; ++step) {
        const int half = (step + 1) / 3;
        const int along_x = x - dx * step;
        const int along_y = y - dy * step;
        for (int across = -half; across <= half; ++across) {
            picture.plot(along_x + dy * across, along_y + dx * across, colour);
        }
    }
}

}  // namespace

DrawingCanvas::DrawingCanvas(double scale, Rgb background)
    : scale_(static_cast<double>(device_size(scale)) / drawing_size),
      stroke_(std::max(1, nearest(scale_))),
      picture_(device_size(scale), device_size(scale), background) {}

int DrawingCanvas::cell(int picture_pixel) const noexcept {
    return nearest((picture_pixel + 0.5) * scale_ - stroke_ / 2.0);
}

double DrawingCanvas::centre(int picture_pixel) const noexcept {
    return cell(picture_pixel) + stroke_ / 2.0;
}

int DrawingCanvas::anchor(int picture_pixel) const noexcept {
    return cell(picture_pixel) + stroke_ / 2;
}

void DrawingCanvas::blend(int x, int y, Rgb colour, int covered) noexcept {
    if (covered <= 0 || x < 0 || y < 0 || x >= picture_.width() || y >= picture_.height()) {
        return;
    }
    const Rgb under = picture_.pixel(x, y);
    const auto mix = [covered](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>((from * (samples - covered) + to * covered + samples / 2) /
                                         samples);
    };
    picture_.plot(
        x, y,
        {mix(under.red, colour.red), mix(under.green, colour.green), mix(under.blue, colour.blue)});
}

void DrawingCanvas::border(int width, Rgb colour) {
    const int size = picture_.width();
    const int band = std::max(1, nearest(width * scale_));
    solid(picture_, 0, 0, size, band, colour);
    solid(picture_, 0, size - band, size, size, colour);
    solid(picture_, 0, 0, band, size, colour);
    solid(picture_, size - band, 0, size, size, colour);
}

void DrawingCanvas::horizontal(int y, int x_from, int x_to, Rgb colour) {
    solid(picture_, cell(x_from), cell(y), cell(x_to) + stroke_, cell(y) + stroke_, colour);
}

void DrawingCanvas::vertical(int x, int y_from, int y_to, Rgb colour) {
    solid(picture_, cell(x), cell(y_from), cell(x) + stroke_, cell(y_to) + stroke_, colour);
}

void DrawingCanvas::quarter_circle(int cx, int cy, int r, int sx, int sy, Rgb colour) {
    if (picture_.width() == drawing_size) {
        pixel_quarter_circle(picture_, cx, cy, r, sx, sy, colour);
        return;
    }
    // The arc's middle line runs from the middle of one straight stroke to that of the other;
    // where rounding left its two radii a device pixel apart, it is the quarter of an ellipse.
    const double centre_x = centre(cx);
    const double centre_y = centre(cy);
    const double radius_x = std::abs(centre(cx + sx * r) - centre_x);
    const double radius_y = std::abs(centre(cy + sy * r) - centre_y);
    if (radius_x <= 0 || radius_y <= 0) {
        return;
    }
    const double half = stroke_ / 2.0;
    const double mean_radius = (radius_x + radius_y) / 2;
    const double reach_x = centre_x + sx * (radius_x + half);
    const double reach_y = centre_y + sy * (radius_y + half);
    const int left = static_cast<int>(std::floor(std::min(centre_x, reach_x)));
    const int right = static_cast<int>(std::ceil(std::max(centre_x, reach_x)));
    const int top = static_cast<int>(std::floor(std::min(centre_y, reach_y)));
    const int bottom = static_cast<int>(std::ceil(std::max(centre_y, reach_y)));
    // How far a point lies off the arc's middle line, across the line.
    const auto off_line = [&](double u, double v) {
        const double across_x = u / radius_x;
        const double across_y = v / radius_y;
        return (std::sqrt(across_x * across_x + across_y * across_y) - 1.0) * mean_radius;
    };
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            // A pixel whose middle lies further off the line than half the stroke and half its
            // own diagonal has none of it.
            if (std::abs(off_line(x + 0.5 - centre_x, y + 0.5 - centre_y)) > half + 0.75) {
                continue;
            }
            int covered = 0;
            for (int j = 0; j < samples_across; ++j) {
                const double v = y + sample_offset(j) - centre_y;
                for (int i = 0; i < samples_across; ++i) {
                    const double u = x + sample_offset(i) - centre_x;
                    if (u * sx < 0 || v * sy < 0) {
                        continue;  // another quadrant
                    }
                    covered += std::abs(off_line(u, v)) <= half ? 1 : 0;
                }
            }
            blend(x, y, colour, covered);
        }
    }
}

void DrawingCanvas::arrowhead(int x, int y, int dx, int dy, Rgb colour) {
    if (picture_.width() == drawing_size) {
        pixel_arrowhead(picture_, x, y, dx, dy, colour);
        return;
    }
    // Along the arrow and across it, in device pixels. The tip touches the extension line the
    // arrow points at, whatever rounding did to the two.
    const bool along_x = dx != 0;
    const int direction = along_x ? dx : dy;
    const int at = along_x ? x : y;
    const double tip = direction < 0 ? cell(at + direction) + stroke_ : cell(at + direction);
    const double middle = centre(along_x ? y : x);
    const double length = arrow_length * scale_;
    const double half_base = arrow_half_base * scale_;
    const int first = static_cast<int>(std::floor(std::min(tip, tip - direction * length)));
    const int last = static_cast<int>(std::ceil(std::max(tip, tip - direction * length)));
    const int low = static_cast<int>(std::floor(middle - half_base));
    const int high = static_cast<int>(std::ceil(middle + half_base));
    for (int along = first; along <= last; ++along) {
        for (int across = low; across <= high; ++across) {
            int covered = 0;
            for (int i = 0; i < samples_across; ++i) {
                const double back = (tip - (along + sample_offset(i))) * direction;
                for (int j = 0; j < samples_across; ++j) {
                    const double side = across + sample_offset(j) - middle;
                    covered +=
                        back >= 0 && back <= length && std::abs(side) <= half_base * back / length
                            ? 1
                            : 0;
                }
            }
            blend(along_x ? along : across, along_x ? across : along, colour, covered);
        }
    }
}

}  // namespace plessard::form
