#pragma once
// The system's default printer (or a PDF file) as a print surface.
#include <string>

#include "platform/printer.h"

namespace bw {

class QtPrinter : public IPrinter {
public:
    QtPrinter() = default;
    // Prints into this PDF file instead of the default printer.
    explicit QtPrinter(std::string pdfPath) : pdfPath_(std::move(pdfPath)) {}
    std::unique_ptr<IPrintSurface> open() override;

private:
    std::string pdfPath_;
};

} // namespace bw
