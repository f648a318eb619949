#include "app/program_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <algorithm>
#include <utility>
#include <vector>

namespace plessard::app {

QIcon program_icon() {
    std::vector<QImage> images;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files)) {
        // Read as the PNG it is: left to guess, Qt loads every image format plugin to ask it,
        // which took longer than the rest of the icon.
        QImageReader reader(file.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        images.push_back(reader.read());
    }
    // Smallest first, as a window manager that walks them expects.
    std::ranges::sort(images, {}, &QImage::width);
    QIcon icon;
    for (QImage& image : images) {
        icon.addPixmap(QPixmap::fromImage(std::move(image)));
    }
    return icon;
}

}  // namespace plessard::app
