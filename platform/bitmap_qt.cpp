#include "platform/bitmap_qt.h"

namespace bw {

QImage QtBitmap::imageOf(const Bitmap* bitmap)
{
    if (const auto* q = dynamic_cast<const QtBitmap*>(bitmap))
        return q->image();
    return {};
}

} // namespace bw
