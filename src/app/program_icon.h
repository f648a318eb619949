#pragma once

#include <QIcon>

namespace plessard::app {

// The program's icon with every size it was drawn for (the build renders one image a size into
// the program's resources), so each size shows its own drawing rather than another scaled.
[[nodiscard]] QIcon program_icon();

}  // namespace plessard::app
