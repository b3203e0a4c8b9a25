#pragma once
// The only place a picture file is read: JPEG, GIF, PNG, BMP and whatever else
// Qt's image readers know.
#include "platform/bitmap.h"

namespace bw {

class QtImageLoader : public IImageLoader {
public:
    std::unique_ptr<Bitmap> load(const Path& path) override;
};

} // namespace bw
