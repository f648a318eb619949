#include "app/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "app/program_icon_images.h"

namespace plessard::app {

QIcon program_icon() {
    QIcon icon;
    // Smallest first, as a window manager that walks them expects.
    for (const IconImage& image : program_icon_images()) {
        // Borrowed, not copied: the pixmap makes the copy it keeps.
        const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.size, image.size,
                            image.size * 4, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(pixels));
    }
    return icon;
}

}  // namespace plessard::app
