#pragma once
// poppler's tools on a printed PDF: page count, text, and the rows of ink.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vector>

namespace bw::test {

inline bool havePoppler()
{
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

inline QString runTool(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << tool.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << tool.toStdString() << ": " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfPages(const QString& pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(runTool("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QString pdfText(const QString& pdf, int page)
{
    return runTool("pdftotext",
                   {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

// A run of pixel rows holding ink (darker than mid-grey), in pixels at the
// rendering's resolution.
struct InkBand {
    int top, height;
};

inline QImage renderPage(const QString& pdf, int page, int dpi)
{
    QTemporaryDir tmp;
    const QString prefix = tmp.filePath(QStringLiteral("page"));
    runTool("pdftoppm", {"-gray", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                         QString::number(page), "-singlefile", pdf, prefix});
    return QImage(prefix + QStringLiteral(".pgm"));
}

inline std::vector<InkBand> inkBands(const QImage& image)
{
    std::vector<InkBand> bands;
    int start = -1;
    for (int y = 0; y <= image.height(); ++y) {
        bool ink = false;
        if (y < image.height()) {
            const QImage row = image.copy(0, y, image.width(), 1).convertToFormat(QImage::Format_Grayscale8);
            const uchar* px = row.constBits();
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = px[x] < 100;
        }
        if (ink && start < 0)
            start = y;
        if (!ink && start >= 0) {
            bands.push_back({start, y - start});
            start = -1;
        }
    }
    return bands;
}

} // namespace bw::test
