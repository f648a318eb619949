#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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
// A window's focus frame on the drawing stands in the band of white the drawing keeps inside its
// frame, clear of its ink: from focus_frame_inset to focus_frame_inset + focus_frame_band
// picture pixels in from each edge.
inline constexpr int focus_frame_inset = 3;
inline constexpr int focus_frame_band = 2;
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

}  // namespace plessard::form
