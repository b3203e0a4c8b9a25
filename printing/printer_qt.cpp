#include "printing/printer_qt.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <langinfo.h>
#endif

#include "platform/atomicfile.h"
#include "platform/bitmap_qt.h"
#include "platform/error.h"
#include "platform/path_qt.h"
#include "platform/text_qt.h"
#include "printing/layout.h"

namespace bw {

namespace {

// The layout's unit: 1/300 inch.
constexpr int UnitsPerInch = 300;

class QtPrintSurface : public IPrintSurface {
public:
    explicit QtPrintSurface(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer))
    {
        area_ = printer_->pageLayout().paintRectPixels(UnitsPerInch);
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
        mapUnits();
        // The largest size whose letters, ascenders to descenders, fit the
        // line height.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        for (int size = TextHeight; size > 8; --size) {
            font.setPixelSize(size);
            if (QFontMetricsF(font).height() <= TextHeight)
                break;
        }
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        ascent_ = QFontMetricsF(font).ascent();
    }

    // Like the old printer canvas, y is the top of the text, not its baseline.
    void textOut(int x, int y, const std::string& text) override
    {
        painter_.drawText(QPointF(x, y + ascent_), fromAnsi(text));
    }

    void stretchDraw(const Rect& target, const Bitmap& picture) override
    {
        const QImage image = QtBitmap::imageOf(&picture);
        if (!image.isNull())
            painter_.drawImage(QRect(target.left, target.top, target.width, target.height), image);
    }

    void newPage() override
    {
        printer_->newPage();
        mapUnits();
    }
    void endDoc() override { finish(); }

protected:
    // Quietly false when nothing was begun.
    bool finish() { return painter_.isActive() && painter_.end(); }

private:
    void mapUnits()
    {
        const qreal scale = qreal(printer_->resolution()) / UnitsPerInch;
        painter_.setWorldTransform(QTransform::fromScale(scale, scale));
    }

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QRect area_;
    qreal ascent_ = 0;
};

// Written under a temporary name beside the target; endDoc puts it in place.
class PdfFileSurface : public QtPrintSurface {
public:
    // chosen: the name the user gave, for messages; target: where it lands
    // (through a symbolic link, its target).
    PdfFileSurface(std::unique_ptr<QPrinter> printer, Path chosen, Path target, Path temp)
        : QtPrintSurface(std::move(printer)), chosen_(std::move(chosen)), target_(std::move(target)),
          temp_(std::move(temp))
    {
    }
    ~PdfFileSurface() override
    {
        if (!done_) {
            finish();
            ::unlink(temp_.native().c_str());
        }
    }
    void beginDoc() override
    {
        try {
            QtPrintSurface::beginDoc();
        } catch (const PlatformError&) {
            throwCannotCreate(chosen_);
        }
    }
    void endDoc() override
    {
        const bool written = finish();
        done_ = true;
        if (!written) {
            ::unlink(temp_.native().c_str());
            throwCannotCreate(chosen_);
        }
        if (std::rename(temp_.native().c_str(), target_.native().c_str()) != 0) {
            const int err = errno;
            ::unlink(temp_.native().c_str());
            throwCannotCreate(chosen_, err);
        }
    }

private:
    Path chosen_, target_, temp_;
    bool done_ = false;
};

std::unique_ptr<QPrinter> pdfPrinter(const QString& file, QPageSize::PageSizeId paper)
{
    // A PDF has no resolution of its own; 300 dpi makes a device pixel one
    // layout unit. No unprintable edge.
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setResolution(UnitsPerInch);
    printer->setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer->setDocName(QString());
    return printer;
}

} // namespace

std::unique_ptr<IPrintSurface> printSurfaceOn(std::unique_ptr<QPrinter> printer)
{
    return std::make_unique<QtPrintSurface>(std::move(printer));
}

QPageSize::PageSizeId QtPrinter::localePaper()
{
#if defined(__GLIBC__) && defined(_NL_PAPER_WIDTH)
    // LC_PAPER gives the width in millimetres: 216 for Letter, 210 for A4.
    const auto width = reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH));
    if (width == 216)
        return QPageSize::Letter;
    if (width == 210)
        return QPageSize::A4;
#endif
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

std::unique_ptr<IPrintSurface> QtPrinter::open()
{
    if (!pdfPath_.empty())
        return printSurfaceOn(pdfPrinter(QString::fromStdString(pdfPath_), QPageSize::Letter));
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PlatformError("There is no default printer currently selected");
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QString());
    return printSurfaceOn(std::move(printer));
}

std::unique_ptr<IPrintSurface> QtPrinter::openPdf(const Path& path)
{
    Path target;
    if (int err = resolveWriteTarget(path, target))
        throwCannotCreate(path, err);
    // Beside the file it replaces, so the rename stays on one file system.
    const std::string& where = target.native();
    const auto slash = where.find_last_of('/');
    std::string temp =
        (slash == std::string::npos ? std::string(".") : where.substr(0, slash == 0 ? 1 : slash)) +
        "/.bindlewick-XXXXXX.pdf";
    const int fd = ::mkostemps(temp.data(), 4, O_CLOEXEC);
    if (fd < 0)
        throwCannotCreate(path, errno);
    // mkostemps makes it private; a PDF is as readable as any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);
    Path tempPath = Path::fromNative(std::move(temp));
    return std::make_unique<PdfFileSurface>(pdfPrinter(pathToQt(tempPath), paper_), path, std::move(target),
                                            std::move(tempPath));
}

} // namespace bw
