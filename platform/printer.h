#pragma once
// The default printer (or a PDF file) as a drawing surface. Positions and
// sizes are in units of 1/300 inch, origin at the top left of the printable
// area, y growing downwards, whatever the device's own resolution.
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
    // A PDF file on the paper of the user's locale (Letter or A4). The file is
    // put in place by endDoc; a surface dropped before that leaves no file.
    // "Cannot create file %s" when it cannot be written.
    virtual std::unique_ptr<IPrintSurface> openPdf(const Path& path) = 0;
};

// A long job's progress. step answers false once the user has cancelled.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual bool step(long done) = 0;
};

class IProgressReporter {
public:
    virtual ~IProgressReporter() = default;
    // Shown only if the job takes a while; gone when the result is dropped.
    virtual std::unique_ptr<IProgress> begin(const std::string& label, long total) = 0;
};

} // namespace bw
