#include "printing/printer_qt.h"

#include "platform/error.h"

namespace bw {

std::unique_ptr<IPrintSurface> QtPrinter::open()
{
    throw PlatformError("There is no default printer currently selected");
}

} // namespace bw
