#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <vector>

namespace plessard::form {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture of 24-bit pixels, rows from the top, three bytes a pixel (red, green, blue), with
// no padding between rows.
class Picture {
  public:
    Picture(int width, int height, Rgb background);

    [[nodiscard]] int width() const noexcept { return width_; }
    [[nodiscard]] int height() const noexcept { return height_; }
    // A pixel inside the picture; (0, 0) is the top-left one.
    [[nodiscard]] Rgb pixel(int x, int y) const noexcept;
    // Sets a pixel; one outside the picture is left out.
    void plot(int x, int y, Rgb colour) noexcept;
    [[nodiscard]] const std::vector<std::uint8_t>& bytes() const noexcept { return bytes_; }

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bytes_;
};

// A piece of lettering: its text and the point on which the middle of its ink stands. A window
// sets it in a serif face with capitals `lettering_cap_height` pixels high, in `lettering_colour`.
struct Lettering {
    std::string_view text;
    int centre_x = 0;
    int centre_y = 0;
};

// The drawing's lettering: the four dimensions and the six corner radii.
using LetteringSet = std::array<Lettering, 10>;

inline constexpr int drawing_size = 200;
inline constexpr int lettering_cap_height = 9;
inline constexpr Rgb lettering_colour{0, 0, 0};

// The dimension drawing of the L-shaped part: the frame, the outline with its rounded corners
// and the four dimensions, drawn for the device pixels of one screen; the lettering is only
// placed, since each window sets type in its own face.
struct DimensionDrawing {
    Picture picture;
    // Where each piece of lettering goes, in the picture's device pixels.
    LetteringSet lettering;
    // Device pixels a pixel of the drawing at 100 % takes.
    double scale = 1.0;
    // How many device pixels high the lettering's capitals are.
    int cap_height = lettering_cap_height;
};

// The drawing for a screen that shows `scale` device pixels for each pixel of the 200 x 200
// picture. At 100 % every 1-pixel line lands on whole pixels; at any other scale it is drawn
// for that scale rather than stretched, its straight strokes solid and of one whole width.
[[nodiscard]] DimensionDrawing dimension_drawing(double scale = 1.0);

// The pixels a piece of text inks, measured by a window in its own face from the point it
// draws the text at: the first column and row of ink and how many of each it takes.
struct InkExtent {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Where a window draws a piece of text so that the middle of its ink stands on the point
// (centre_x, centre_y), in the window's pixels.
[[nodiscard]] constexpr PixelPoint lettering_origin(int centre_x, int centre_y,
                                                    const InkExtent& ink) noexcept {
    return {centre_x - ink.left - ink.width / 2, centre_y - ink.top - ink.height / 2};
}

// Of the sizes from smallest to largest, the first whose capitals ink the rows nearest to
// cap_height; measure(size) gives how many rows a capital inks at that size. Measured rather
// than taken from a face's metrics, which count the faint edge pixels of smoothed lettering.
template <typename Measure>
[[nodiscard]] int closest_lettering_size(int cap_height, int smallest, int largest,
                                         const Measure& measure) {
    int best_size = smallest;
    int best_miss = std::numeric_limits<int>::max();
    for (int size = smallest; size <= largest; ++size) {
        const int miss = std::abs(measure(size) - cap_height);
        if (miss < best_miss) {
            best_miss = miss;
            best_size = size;
        }
    }
    return best_size;
}

}  // namespace plessard::form
