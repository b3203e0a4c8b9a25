// Prints through the real Qt surface into a PDF and reads the file back with
// poppler's tools.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "editing/picklists.h"
#include "printing/printer_qt.h"
#include "printing/printmenu.h"
#include "tests/harness.h"

namespace bw {
namespace {

QString run(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(30000)) << tool.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << tool.toStdString() << ": " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PrintPdf, ReportReadsBackFromThePdf)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
        QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not installed";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString pdf = tmp.filePath("report.pdf");

    test::Harness h;
    QtPrinter printer(pdf.toStdString());
    h.st.sys.printer = &printer;
    fillBuiltInEntries(h.st);
    // 17 + 13 + 17 lines: the third block runs over onto page 2 of a
    // 3300-pixel page (43 lines a page).
    h.st.RecordList.add("k1|Bongo|4040|08021995|01011999|03121998|12311999|5.00|12.50|20.00|5|1|2|3|1||");
    h.st.RecordList.add("k2|Caf\xe9 Bear|4041|||||1.00||2.00|0|0|0|0|0||");
    h.st.RecordList.add("k3|Legs|4020|04251993|10011997|06011996|07041999|3.00|9.00|15.00|0|5|1|1|0||");
    h.run([&] { printallClick(h.st); });
    ASSERT_TRUE(h.boxes.shown.empty()) << h.boxes.texts()[0];

    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\b"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+612 x 792 pts"))) << info.toStdString();

    const QString page1 = run("pdftotext", {"-layout", "-f", "1", "-l", "1", pdf, "-"});
    const QString page2 = run("pdftotext", {"-layout", "-f", "2", "-l", "2", pdf, "-"});
    for (const char* text :
         {"Name: Bongo", "Retired: 01/01/1999", "Manufacturer: Ty (McDonald's Teenie)",
          "Selling Date: 12/31/1999", "Name: Caf\u00e9 Bear", "Selling Price:", "Name: Legs"})
        EXPECT_TRUE(page1.contains(QString::fromUtf8(text))) << text << "\n" << page1.toStdString();
    // Line 43 is Legs' sell price; the rest of the block goes over.
    EXPECT_TRUE(page1.contains("Selling Price: 9.00"));
    for (const char* text : {"Selling Date: 07/04/1999", "Market Value: 15.00"}) {
        EXPECT_TRUE(page2.contains(QString::fromUtf8(text))) << text << "\n" << page2.toStdString();
        EXPECT_FALSE(page1.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_FALSE(page2.contains("Name:"));
}

TEST(PrintPdf, SurfaceDroppedMidJobStillFinishesTheFile)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftotext) not installed";
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString pdf = tmp.filePath("dropped.pdf");
    {
        auto surface = QtPrinter(pdf.toStdString()).open();
        EXPECT_EQ(surface->pageWidth(), 2550);
        EXPECT_EQ(surface->pageHeight(), 3300);
        surface->beginDoc();
        surface->textOut(300, 100, "Half a job");
    }
    EXPECT_TRUE(run("pdftotext", {pdf, "-"}).contains("Half a job"));
}

} // namespace
} // namespace bw
