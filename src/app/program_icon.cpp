#include "app/program_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include <algorithm>
#include <vector>

namespace plessard::app {

QIcon program_icon() {
    std::vector<QPixmap> images;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files)) {
        images.emplace_back(file.filePath());
    }
    // Smallest first, as a window manager that walks them expects.
    std::ranges::sort(images, {}, &QPixmap::width);
    QIcon icon;
    for (const QPixmap& image : images) {
        icon.addPixmap(image);
    }
    return icon;
}

}  // namespace plessard::app
