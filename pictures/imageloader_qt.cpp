#include "pictures/imageloader_qt.h"

#include <QImageReader>

#include "platform/bitmap_qt.h"
#include "platform/text_qt.h"

namespace bw {

std::unique_ptr<Bitmap> QtImageLoader::load(const std::string& path)
{
    QImageReader reader(fromAnsi(path));
    reader.setAutoTransform(true);
    QImage image = reader.read(); // null when the file cannot be read
    return std::make_unique<QtBitmap>(std::move(image));
}

} // namespace bw
