// Prints through the program's own path onto the system's default printer.
// tests/cups/cups_print_test.sh runs this with a private CUPS daemon whose
// default queue is a cups-pdf PDF printer; without it the test is skipped.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include "editing/picklists.h"
#include "platform/bitmap_qt.h"
#include "printing/layout.h"
#include "printing/printer_qt.h"
#include "printing/printmenu.h"
#include "tests/harness.h"
#include "tests/qt/pdf_tools.h"
#include "tests/sheet_fixture.h"

namespace bw {
namespace {

const auto& sheetLines = test::bongoSheetLines;

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        outDir = qEnvironmentVariable("BW_CUPS_OUTDIR");
        if (outDir.isEmpty())
            GTEST_SKIP() << "no private CUPS queue (tests/cups/cups_print_test.sh sets one up)";
        if (!test::havePoppler())
            GTEST_SKIP() << "poppler-utils not installed";
        fillBuiltInEntries(h.st);
        h.st.sys.printer = &printer; // the default printer, as the program prints
        h.st.RecordList.add(test::bongoRecord);
        h.st.RecordList.add("k2|Caf\xe9 Bear|4041|||||1.00||2.00|0|0|0|0|0||");
        h.st.RecordList.add("k3|Legs|4020|04251993|10011997|06011996|07041999|3.00|9.00|15.00|0|5|1|1|0||");
    }

    // The next PDF the queue writes, once its job is done (bounded wait).
    QString nextPdf()
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 90000) {
            const QStringList pdfs =
                QDir(outDir).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            // Every job gets the same name (the document name is empty):
            // move each one aside before the next job is printed.
            if (!pdfs.isEmpty() && !jobsPending()) {
                const QString taken =
                    QDir(outDir).filePath(QStringLiteral("printed-%1.pdf.done").arg(++jobs));
                if (QFile::rename(QDir(outDir).filePath(pdfs.first()), taken))
                    return taken;
            }
            QThread::msleep(200);
        }
        ADD_FAILURE() << "the queue wrote no PDF in 90 s; see " << qgetenv("BW_CUPS_ERRORLOG").toStdString();
        return {};
    }

    static bool jobsPending()
    {
        QProcess p;
        p.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        p.waitForFinished(10000);
        return !p.readAllStandardOutput().trimmed().isEmpty();
    }

    // Every line of ink at least this tall at 150 dpi: capitals of a
    // 10-point face are 15 pixels; a quarter-size printout gives 4.
    static constexpr int MinInk = 12;

    void expectLinesOfInk(const std::vector<test::InkBand>& bands, std::size_t count, int pageHeight)
    {
        ASSERT_EQ(bands.size(), count);
        for (const auto& band : bands)
            EXPECT_GE(band.height, MinInk) << "line at " << band.top;
        EXPECT_LT(bands.back().top + bands.back().height, pageHeight);
    }

    QString outDir;
    int jobs = 0;
    test::Harness h;
    QtPrinter printer;
};

TEST_F(CupsPrint, SheetAndReportOnTheDefaultQueue)
{
    // The sheet, with a phone camera's 4000 x 3000 picture.
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(QColor(200, 220, 240));
    h.beanimg.setBitmap(std::make_unique<QtBitmap>(photo));
    h.st.picturePath = Path::fromNative("/pics/phone.jpg");
    h.run([&] { printthisClick(h.st); });
    ASSERT_TRUE(h.boxes.shown.empty()) << h.boxes.texts()[0];
    const QString sheet = nextPdf();
    ASSERT_FALSE(sheet.isEmpty());
    EXPECT_EQ(test::pdfPages(sheet), 1);
    const QImage sheetPage = test::renderPage(sheet, 1, 150);
    // Letter or A4, whatever the queue chose, at its real size.
    EXPECT_NEAR(sheetPage.width(), 8.4 * 150, 0.2 * 150);
    const auto sheetBands = test::inkBands(sheetPage);
    expectLinesOfInk(sheetBands, 15, sheetPage.height());
    // The picture: light, at the top, as wide as it may be.
    EXPECT_GT(qGray(sheetPage.pixel(sheetPage.width() / 2, 60)), 150);
    EXPECT_LT(qGray(sheetPage.pixel(sheetPage.width() / 2, 60)), 250);
    const QString sheetText = test::pdfText(sheet, 1);
    if (sheetText.contains("Name:")) { // where the queue keeps the text
        for (const char* line : sheetLines)
            EXPECT_TRUE(sheetText.contains(QString::fromUtf8(line))) << line;
    }

    // A report of 17 + 13 + 17 lines, of which the last two of each block
    // are blank and leave no ink. How many fit a page depends on the
    // queue's printable area.
    h.st.picturePath.clear();
    const int pageHeight = printer.open()->pageHeight();
    const int perPage = (pageHeight - 100 - TextHeight) / 75 + 1;
    std::vector<std::size_t> inkLines;
    int index = 0;
    for (int block : {17, 13, 17})
        for (int i = 0; i < block; ++i, ++index) {
            if (index % perPage == 0)
                inkLines.push_back(0);
            if (i < block - 2)
                ++inkLines.back();
        }
    h.run([&] { printallClick(h.st); });
    ASSERT_TRUE(h.boxes.shown.empty()) << h.boxes.texts()[0];
    const QString report = nextPdf();
    ASSERT_FALSE(report.isEmpty());
    ASSERT_EQ(test::pdfPages(report), static_cast<int>(inkLines.size())) << "page height " << pageHeight;
    for (std::size_t p = 0; p < inkLines.size(); ++p) {
        SCOPED_TRACE(p + 1);
        const QImage page = test::renderPage(report, static_cast<int>(p) + 1, 150);
        expectLinesOfInk(test::inkBands(page), inkLines[p], page.height());
    }
    const QString text = test::pdfText(report, 1);
    if (text.contains("Name:")) {
        EXPECT_TRUE(text.contains(QString::fromUtf8("Name: Caf\u00e9 Bear")));
    }

    // Keep the pages for a look, when asked to.
    const QString keep = qEnvironmentVariable("BW_CUPS_KEEP");
    if (!keep.isEmpty()) {
        QFile::copy(sheet, keep + "/cups-sheet.pdf");
        QFile::copy(report, keep + "/cups-report.pdf");
        h.beanimg.setBitmap(std::make_unique<QtBitmap>(
            QImage(QStringLiteral(BW_SOURCE_DIR "/tests/fixtures/bear.png")).scaled(200, 150)));
        h.st.picturePath = Path::fromNative("/pics/bear.png");
        h.run([&] { printthisClick(h.st); });
        QFile::copy(nextPdf(), keep + "/cups-bear-sheet.pdf");
    }
}

} // namespace
} // namespace bw
