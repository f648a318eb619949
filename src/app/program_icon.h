#pragma once

#include <QIcon>

namespace plessard::app {

// The program's icon at each size Qt hands the window manager, 16 to 64 pixels (the build
// renders one image a size into the program's resources), so each size shows its own drawing
// rather than another scaled. Each image is decoded once, here.
[[nodiscard]] QIcon program_icon();

}  // namespace plessard::app
