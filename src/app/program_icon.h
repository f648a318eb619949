#pragma once

#include <QIcon>

namespace plessard::app {

// The program's icon at each size Qt hands the window manager, 16 to 64 pixels, so each size
// shows its own drawing rather than another scaled. The build decodes the images into the
// program (program_icon_images.h): starting, it decodes nothing and asks no image plugin.
[[nodiscard]] QIcon program_icon();

}  // namespace plessard::app
