#pragma once

#include <utility>

#include "form/dimension_drawing.h"

namespace plessard::form {

// The drawing's strokes, given in pixels of the 200 x 200 picture, put onto the device pixels of
// a screen that shows `scale` of them for each picture pixel. At 100 % a stroke is exactly the
// picture pixels it names. At any other scale the picture is drawn afresh rather than stretched:
// straight strokes stay solid, the same whole number of device pixels wide and on whole device
// pixels, and arcs and arrowheads are smoothed, so no edge comes out 1 or 2 pixels at random.
class DrawingCanvas {
  public:
    // A canvas for `scale` device pixels a picture pixel, filled with the background. A scale
    // that is not a number or outside 0.5 to 8 is taken as the nearest of those bounds (1 for
    // one that is not a number).
    DrawingCanvas(double scale, Rgb background);

    // The scale the canvas draws at: its width in device pixels over the picture's 200.
    [[nodiscard]] double scale() const noexcept { return scale_; }
    // How many device pixels wide a stroke of one picture pixel is.
    [[nodiscard]] int stroke_width() const noexcept { return stroke_; }
    // The device pixel on which the middle of a picture pixel's stroke stands.
    [[nodiscard]] int anchor(int picture_pixel) const noexcept;
    [[nodiscard]] const Picture& picture() const& noexcept { return picture_; }
    [[nodiscard]] Picture picture() && noexcept { return std::move(picture_); }

    // A band `width` picture pixels wide along all four edges, each band the same whole number
    // of device pixels wide.
    void border(int width, Rgb colour);
    // A straight stroke along row y from column x_from to x_to, both included.
    void horizontal(int y, int x_from, int x_to, Rgb colour);
    // A straight stroke along column x from row y_from to y_to, both included.
    void vertical(int x, int y_from, int y_to, Rgb colour);
    // A quarter circle about (cx, cy) that meets the strokes through (cx + sx * r, cy) and
    // (cx, cy + sy * r); sx and sy (each +1 or -1) pick the quadrant.
    void quarter_circle(int cx, int cy, int r, int sx, int sy, Rgb colour);
    // A solid arrowhead 7 picture pixels long whose tip is the pixel (x, y), pointing along
    // (dx, dy), one of the four axes.
    void arrowhead(int x, int y, int dx, int dy, Rgb colour);

  private:
    // The first device pixel of a picture pixel's stroke, across the stroke.
    [[nodiscard]] int cell(int picture_pixel) const noexcept;
    // The device coordinate of the middle of a picture pixel's stroke.
    [[nodiscard]] double centre(int picture_pixel) const noexcept;
    // Lays `colour` over a device pixel, covering the share `samples` of 64 of it.
    void blend(int x, int y, Rgb colour, int samples) noexcept;

    double scale_;
    int stroke_;
    Picture picture_;
};

}  // namespace plessard::form
