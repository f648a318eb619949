#pragma once

#include <QImage>

namespace plessard::assets {

// The picture is square; this is its side in pixels.
inline constexpr int drawing_size = 200;

// The dimension drawing of the L-shaped part: outline, corner radii and the four dimensions
// L1, L2, H1, H2, on white inside a grey-blue frame. Made pixel by pixel so every 1-pixel line
// lands on whole pixels and nothing is smeared; only the lettering goes through the font engine.
[[nodiscard]] QImage dimension_drawing();

}  // namespace plessard::assets
