#pragma once
// A loaded picture as the logic sees it, and the one way to read a picture file.
#include <memory>
#include <string>

#include "platform/path.h"

namespace bw {

class Bitmap {
public:
    virtual ~Bitmap() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // True for a file the loader could not read: 0 by 0 pixels.
    virtual bool isNull() const = 0;
    virtual std::unique_ptr<Bitmap> clone() const = 0;
};

class IImageLoader {
public:
    virtual ~IImageLoader() = default;
    // Always returns a bitmap, owned by the caller; a null one (isNull) for a
    // file it cannot read.
    virtual std::unique_ptr<Bitmap> load(const Path& path) = 0;
};

} // namespace bw
