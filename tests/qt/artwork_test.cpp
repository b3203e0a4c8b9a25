// The pictures the program draws, and the icon file it ships.
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

#include "app/artwork_qt.h"

namespace bw::test {
namespace {

int opaquePixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

TEST(Artwork, ButtonIconsAre32By32AndEachItsOwn)
{
    QSet<QByteArray> seen;
    for (int i = 0; i <= static_cast<int>(ButtonIcon::QuestionMark); ++i) {
        const QImage icon = buttonIcon(static_cast<ButtonIcon>(i)).toImage();
        EXPECT_EQ(icon.size(), QSize(32, 32)) << i;
        // A drawing with air around it, not a filled square.
        const int ink = opaquePixels(icon);
        EXPECT_GT(ink, 32 * 32 / 6) << i;
        EXPECT_LT(ink, 32 * 32) << i;
        seen.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()), icon.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 8);
}

TEST(Artwork, SheetIsRuledYellowPaper)
{
    const QImage sheet = notepadSheet().toImage();
    ASSERT_EQ(sheet.size(), QSize(640, 480));
    const QColor paper = sheet.pixelColor(200, 30);
    EXPECT_GT(paper.red(), 220);
    EXPECT_GT(paper.green(), 200);
    EXPECT_LT(paper.blue(), 190);
    int blueRows = 0;
    for (int y = 0; y < 480; ++y) {
        const QColor c = sheet.pixelColor(450, y);
        blueRows += c.blue() > c.red() && c.blue() > 150;
    }
    EXPECT_GE(blueRows, 15);
    int redColumns = 0;
    for (int x = 0; x < 640; ++x) {
        const QColor c = sheet.pixelColor(x, 30);
        redColumns += c.red() > 180 && c.green() < 120;
    }
    EXPECT_GE(redColumns, 1);
}

TEST(Artwork, ShippedRoosterIconIsARealIconFile)
{
    QImageReader reader(QStringLiteral(BW_SOURCE_DIR "/shipped/ROOSTER.ICO"));
    EXPECT_EQ(reader.format(), QByteArray("ico"));
    const QImage icon = reader.read();
    ASSERT_FALSE(icon.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(icon.size(), QSize(64, 64));
    EXPECT_GT(opaquePixels(icon), 64 * 64 / 5);
    EXPECT_FALSE(roosterIcon().isNull());
}

} // namespace
} // namespace bw::test
