#pragma once
// The default printer as a drawing surface in printer pixels (origin at the top
// left of the printable area, y growing downwards).
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/controls.h"

namespace bw {

class IPrintSurface {
public:
    virtual ~IPrintSurface() = default;
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual void beginDoc() = 0;
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual void stretchDraw(const Rect& target, const Bitmap& picture) = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
};

class IPrinter {
public:
    virtual ~IPrinter() = default;
    // The system's default printer; "There is no default printer currently
    // selected" when there is none.
    virtual std::unique_ptr<IPrintSurface> open() = 0;
};

} // namespace bw
