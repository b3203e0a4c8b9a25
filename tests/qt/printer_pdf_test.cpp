// Prints through the real Qt surface into a PDF and reads the file back with
// poppler's tools.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <unistd.h>

#include "editing/picklists.h"
#include "platform/bitmap_qt.h"
#include "printing/csvexport.h"
#include "printing/layout.h"
#include "printing/printer_qt.h"
#include "printing/printmenu.h"
#include "tests/harness.h"
#include "tests/qt/pdf_tools.h"
#include "tests/sheet_fixture.h"

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
    h.st.RecordList.add(test::bongoRecord);
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

// The word's box in points, from pdftotext -bbox.
QRectF wordBox(const QString& pdf, const QString& word)
{
    const QString html = run("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">") +
        QRegularExpression::escape(word) + QStringLiteral("</word>"));
    const auto m = re.match(html);
    EXPECT_TRUE(m.hasMatch()) << word.toStdString() << "\n" << html.toStdString();
    if (!m.hasMatch())
        return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

TEST(PrintPdf, TheSameLayoutHasTheSameSizeAtEveryResolution)
{
    if (!test::havePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir tmp;
    std::vector<QRectF> boxes;
    std::vector<QRectF> lasts;
    for (int dpi : {300, 600, 1200}) {
        SCOPED_TRACE(dpi);
        const QString pdf = tmp.filePath(QStringLiteral("at%1.pdf").arg(dpi));
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setResolution(dpi);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        auto surface = printSurfaceOn(std::move(printer));
        // The printable area in layout units, whatever the device's pixels.
        EXPECT_NEAR(surface->pageWidth(), (210 - 20) / 25.4 * 300, 2);
        EXPECT_NEAR(surface->pageHeight(), (297 - 20) / 25.4 * 300, 4); // A4 is 842 points, not 841.9
        surface->beginDoc();
        surface->textOut(300, 200, "Name: Bongo");
        surface->newPage();
        surface->textOut(300, 3000, "Last");
        surface->endDoc();
        boxes.push_back(wordBox(pdf, "Bongo"));
        lasts.push_back(wordBox(pdf, "Last"));
    }
    // x 300 units = 1 inch = 72 points past the 10 mm edge.
    EXPECT_NEAR(boxes[0].left(), 72 + 10 / 25.4 * 72 + 40, 40); // "Bongo" follows "Name: "
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        EXPECT_NEAR(boxes[i].left(), boxes[0].left(), 0.5);
        EXPECT_NEAR(boxes[i].top(), boxes[0].top(), 0.5);
        EXPECT_NEAR(boxes[i].width(), boxes[0].width(), 0.5);
        EXPECT_NEAR(boxes[i].height(), boxes[0].height(), 0.5);
        EXPECT_NEAR(lasts[i].top(), lasts[0].top(), 0.5); // the second page keeps the mapping
    }
    // Text about 10 points, whose line box stays within the 50-unit (12 point) line.
    EXPECT_GT(boxes[0].height(), 9);
    EXPECT_LE(boxes[0].height(), 12.5);
}

class PdfItems : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        h.st.sys.printer = &printer;
        fillBuiltInEntries(h.st);
        h.st.RecordList.add(test::bongoRecord);
        h.st.RecordList.add("k2|Caf\xe9 Bear|4041|||||1.00||2.00|0|0|0|0|0||");
        h.st.RecordList.add("k3|Legs|4020|04251993|10011997|06011996|07041999|3.00|9.00|15.00|0|5|1|1|0||");
    }
    QString save(void (*handler)(MainState&), const char* name)
    {
        const QString pdf = tmp.filePath(QString::fromLatin1(name));
        h.savefile.choice = QFile::encodeName(pdf).toStdString();
        h.run([&] { handler(h.st); });
        EXPECT_TRUE(h.boxes.shown.empty()) << h.boxes.texts()[0];
        return pdf;
    }
    // Nothing but the files the test meant to write.
    void expectOnlyFiles(const QStringList& names)
    {
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), names);
    }

    QTemporaryDir tmp;
    test::Harness h;
    QtPrinter printer;
};

const auto& bongoLines = test::bongoSheetLines;

TEST_F(PdfItems, ReportsAreWrittenToTheChosenFile)
{
    if (!test::havePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    printer.setPaper(QPageSize::Letter);
    const QString all = save(pdfallClick, "All Beanies.pdf");
    EXPECT_EQ(test::pdfPages(all), 2); // 47 lines, 43 a page
    EXPECT_TRUE(run("pdfinfo", {all}).contains(QRegularExpression("Page size:\\s+612 x 792 pts")));
    const QString page1 = test::pdfText(all, 1);
    for (const char* text : bongoLines)
        EXPECT_TRUE(page1.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(page1.contains(QString::fromUtf8("Name: Caf\u00e9 Bear")));
    EXPECT_TRUE(test::pdfText(all, 2).contains("Market Value: 15.00"));

    printer.setPaper(QPageSize::A4);
    const QString retired = save(pdfretiredClick, "Retired Beanies.pdf");
    EXPECT_EQ(test::pdfPages(retired), 1); // 34 lines
    EXPECT_TRUE(run("pdfinfo", {retired})
                    .contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 842(\\.\\d+)? pts")));
    const QString text = test::pdfText(retired, 1);
    EXPECT_TRUE(text.contains("Name: Legs"));
    EXPECT_FALSE(text.contains(QString::fromUtf8("Caf\u00e9")));
    expectOnlyFiles({"All Beanies.pdf", "Retired Beanies.pdf"});
}

TEST_F(PdfItems, SheetWithAPhoneCameraPictureKeepsEveryLineOnThePage)
{
    if (!test::havePoppler())
        GTEST_SKIP() << "poppler-utils not installed";
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(QColor(200, 220, 240)); // lighter than ink
    h.beanimg.setBitmap(std::make_unique<QtBitmap>(photo));
    h.st.picturePath = Path::fromNative("/pics/phone.jpg");
    for (auto paper : {QPageSize::Letter, QPageSize::A4}) {
        SCOPED_TRACE(paper);
        printer.setPaper(paper);
        const QString pdf = save(pdfthisClick, paper == QPageSize::A4 ? "a4.pdf" : "letter.pdf");
        EXPECT_EQ(test::pdfPages(pdf), 1);
        const QString text = test::pdfText(pdf, 1);
        for (const char* line : bongoLines)
            EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
        // Fifteen lines of ink below the picture, the last one whole on the page.
        const QImage page = test::renderPage(pdf, 1, 100);
        const auto bands = test::inkBands(page);
        ASSERT_EQ(bands.size(), 15u);
        EXPECT_LT(bands.back().top + bands.back().height, page.height());
        // The picture is drawn, at the top, above the lines.
        const int grey = qGray(page.pixel(page.width() / 2, 20));
        EXPECT_GT(grey, 150);
        EXPECT_LT(grey, 250);
        EXPECT_GT(bands.front().top, page.height() / 3);
    }
}

TEST_F(PdfItems, AJobDroppedBeforeItsEndLeavesNoFile)
{
    const QString pdf = tmp.filePath("dropped.pdf");
    {
        auto surface = printer.openPdf(Path::fromNative(QFile::encodeName(pdf).toStdString()));
        surface->beginDoc();
        surface->textOut(300, 100, "Half a job");
        surface->newPage();
    }
    expectOnlyFiles({});

    // An old file of that name stays as it was.
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    {
        auto surface = printer.openPdf(Path::fromNative(QFile::encodeName(pdf).toStdString()));
        surface->beginDoc();
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    expectOnlyFiles({"dropped.pdf"});
}

struct UnwritableCase {
    const char* name;
    const char* chosen; // below the test folder
    const char* reason;
};

class PdfUnwritable : public PdfItems, public ::testing::WithParamInterface<UnwritableCase> {};

// The system's own reason, and nothing left behind.
TEST_P(PdfUnwritable, SaysWhyTheFileCannotBeMade)
{
    const auto& c = GetParam();
    if (std::string(c.name) == "LockedFolder" && geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
    QFile plain(tmp.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QDir(tmp.path()).mkdir("locked");
    QFile::setPermissions(tmp.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::link(tmp.filePath("gone.pdf"), tmp.filePath("dangling.pdf")));
    const std::string path = QFile::encodeName(tmp.filePath(QString::fromLatin1(c.chosen))).toStdString();
    h.savefile.choice = path;
    h.run([&] { pdfallClick(h.st); });
    EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"Cannot create file " + path + "\n" + c.reason});
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(tmp.path()).entryList(all, QDir::Name), (QStringList{"dangling.pdf", "locked", "plain"}));
    EXPECT_TRUE(QDir(tmp.filePath("locked")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PdfUnwritable,
    ::testing::Values(UnwritableCase{"ParentIsAFile", "plain/out.pdf", "Not a directory"},
                      UnwritableCase{"MissingFolder", "missing/out.pdf", "No such file or directory"},
                      UnwritableCase{"DanglingLink", "dangling.pdf", "No such file or directory"},
                      UnwritableCase{"LockedFolder", "locked/out.pdf", "Permission denied"}),
    [](const auto& info) { return std::string(info.param.name); });

// A chosen file that is a symbolic link stays one; the PDF goes where it points.
TEST_F(PdfItems, ALinkedFileKeepsItsLink)
{
    QDir(tmp.path()).mkdir("real");
    QFile old(tmp.filePath("real/out.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    // Relative, so it resolves from the link's folder.
    ASSERT_EQ(::symlink("real/out.pdf", QFile::encodeName(tmp.filePath("link.pdf")).constData()), 0);
    save(pdfallClick, "link.pdf");
    EXPECT_TRUE(QFileInfo(tmp.filePath("link.pdf")).isSymLink());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("%PDF"));
    expectOnlyFiles({"link.pdf"});
    EXPECT_EQ(QDir(tmp.filePath("real")).entryList(QDir::Files | QDir::Hidden), QStringList{"out.pdf"});
}

TEST_F(PdfItems, NothingIsLeftWhenTheFileCannotBePutInPlace)
{
    // The chosen name is a folder: the rename fails at the end.
    QDir(tmp.path()).mkdir("taken.pdf");
    QDir(tmp.filePath("taken.pdf")).mkdir("inside");
    const std::string path = QFile::encodeName(tmp.filePath("taken.pdf")).toStdString();
    h.savefile.choice = path;
    h.run([&] { pdfallClick(h.st); });
    EXPECT_EQ(h.boxes.texts(), std::vector<std::string>{"Cannot create file " + path + "\nIs a directory"});
    expectOnlyFiles({});
}

} // namespace
} // namespace bw
