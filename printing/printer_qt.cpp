#include "printing/printer_qt.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/bitmap_qt.h"
#include "platform/error.h"
#include "platform/text_qt.h"

namespace bw {

namespace {

// The layout's steps are printer pixels (100 on the sheet, 75 in a report),
// so the text is sized in printer pixels too: it keeps clear of the next line
// at any resolution.
constexpr int TextPixelSize = 50;

class QtPrintSurface : public IPrintSurface {
public:
    explicit QtPrintSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer))
    {
        area_ = printer_->pageLayout().paintRectPixels(printer_->resolution());
    }
    ~QtPrintSurface() override
    {
        // Hand over whatever was drawn so no job is left open.
        if (painter_.isActive())
            painter_.end();
    }

    int pageWidth() const override { return area_.width(); }
    int pageHeight() const override { return area_.height(); }

    void beginDoc() override
    {
        if (!painter_.begin(printer_.get()))
            throw PlatformError("Printer could not start the print job");
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(TextPixelSize);
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        ascent_ = QFontMetrics(font, printer_.get()).ascent();
    }

    // Like the old printer canvas, y is the top of the text, not its baseline.
    void textOut(int x, int y, const std::string& text) override
    {
        painter_.drawText(x, y + ascent_, fromAnsi(text));
    }

    void stretchDraw(const Rect& target, const Bitmap& picture) override
    {
        const QImage image = QtBitmap::imageOf(&picture);
        if (!image.isNull())
            painter_.drawImage(QRect(target.left, target.top, target.width, target.height), image);
    }

    void newPage() override { printer_->newPage(); }
    void endDoc() override { painter_.end(); }

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QRect area_;
    int ascent_ = 0;
};

} // namespace

std::unique_ptr<IPrintSurface> QtPrinter::open()
{
    std::unique_ptr<QPrinter> printer;
    if (pdfPath_.empty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw PlatformError("There is no default printer currently selected");
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        // A file has no printer resolution of its own: 300 dpi on Letter paper
        // with no unprintable edge, the page the layout's numbers suit.
        printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(pdfPath_));
        printer->setResolution(300);
        printer->setPageLayout(
            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }
    printer->setDocName(QString());
    return std::make_unique<QtPrintSurface>(std::move(printer));
}

} // namespace bw
