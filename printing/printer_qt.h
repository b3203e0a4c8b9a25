#pragma once
// The system's default printer, or a PDF file, as a print surface.
#include <QPageSize>
#include <string>

#include "platform/printer.h"

class QPrinter;

namespace bw {

class QtPrinter : public IPrinter {
public:
    QtPrinter() = default;
    // open() prints into this PDF file (300 dpi, Letter) instead of the
    // default printer.
    explicit QtPrinter(std::string pdfPath) : pdfPath_(std::move(pdfPath)) {}
    std::unique_ptr<IPrintSurface> open() override;
    std::unique_ptr<IPrintSurface> openPdf(const Path& path) override;

    // Letter where the locale's paper is Letter, A4 elsewhere.
    static QPageSize::PageSizeId localePaper();
    // Paper for openPdf instead of the locale's.
    void setPaper(QPageSize::PageSizeId paper) { paper_ = paper; }

private:
    std::string pdfPath_;
    QPageSize::PageSizeId paper_ = localePaper();
};

// A surface over any QPrinter, whatever its resolution: the layout's units
// (1/300 inch) are mapped onto the device.
std::unique_ptr<IPrintSurface> printSurfaceOn(std::unique_ptr<QPrinter> printer);

} // namespace bw
