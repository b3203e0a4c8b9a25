#include "pictures/imageloader_qt.h"

#include <QImageReader>

#include "platform/bitmap_qt.h"
#include "platform/path_qt.h"

namespace bw {

std::unique_ptr<Bitmap> QtImageLoader::load(const Path& path)
{
    QImageReader reader(pathToQt(path));
    reader.setAutoTransform(true);
    QImage image = reader.read(); // null when the file cannot be read
    return std::make_unique<QtBitmap>(std::move(image));
}

} // namespace bw
