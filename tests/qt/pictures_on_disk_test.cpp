// Picture files of our own making read through the real loader, and a
// collection whose records name them shown in the real window.
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <filesystem>

#include "pictures/imageloader_qt.h"
#include "tests/qt/input.h"
#include "tests/qt/window_fixture.h"

namespace bw::test {
namespace {

const std::string Fixtures = std::string(BW_SOURCE_DIR) + "/tests/fixtures/";

struct PictureCase {
    const char* file;
    int width, height;
};

class LoaderTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(LoaderTest, ReadsTheFormatsAtTheirOwnSize)
{
    QtImageLoader loader;
    const auto bitmap = loader.load(Path::fromNative(Fixtures + GetParam().file));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_FALSE(bitmap->isNull()) << GetParam().file;
    EXPECT_EQ(bitmap->width(), GetParam().width);
    EXPECT_EQ(bitmap->height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Formats, LoaderTest,
                         ::testing::Values(PictureCase{"bear.jpg", 40, 30}, PictureCase{"bear.png", 40, 30},
                                           PictureCase{"tag.gif", 24, 18}, PictureCase{"chest.bmp", 16, 12}));

TEST(Loader, AFileItCannotReadGivesANullBitmap)
{
    TempDir dir;
    writeFile(dir.path + "/notes.jpg", "not a picture");
    QtImageLoader loader;
    for (const std::string& path : {dir.path + "/notes.jpg", dir.path + "/missing.gif"}) {
        const auto bitmap = loader.load(Path::fromNative(path));
        ASSERT_NE(bitmap, nullptr);
        EXPECT_TRUE(bitmap->isNull());
        EXPECT_EQ(bitmap->width(), 0);
    }
}

using PicturesInTheWindow = WindowTest;

TEST_F(PicturesInTheWindow, ARecordsPictureShowsAtItsSizeByBareNameOrPath)
{
    std::filesystem::copy_file(Fixtures + "bear.jpg", file("bear.jpg"));
    std::filesystem::copy_file(Fixtures + "tag.gif", file("tag.gif"));
    writeFile(file("a3.pvd"), "AAAAAAAA|Bongo|||||||||0|0|0|0|0|bear.jpg\r\n"
                              "BBBBBBBB|Spot|||||||||0|0|0|0|0|" +
                                  file("tag.gif") + "\r\n");
    open();
    auto* beanimg = control<QLabel>("beanimg");
    EXPECT_EQ(beanimg->size(), QSize(40, 30));
    EXPECT_EQ(window->state().picturePath.native(), file("bear.jpg"));
    window->state().ui.recordslide->setPosition(1);
    EXPECT_EQ(beanimg->size(), QSize(24, 18));
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

// A program folder and a picture folder whose names a3.pvd cannot hold: the
// collection loads, the picture is attached by a copy beside the program,
// and after closing and starting again it shows.
TEST_F(PicturesInTheWindow, AFolderNamedInAnyLettersKeepsItsPicturesAcrossARestart)
{
    home = dir.path + "/Sammlung \u0141\u00f3d\u017a";
    const std::string pictures = dir.path + "/\u041c\u043e\u0457 \u0456\u0433\u0440\u0430\u0448\u043a\u0438";
    std::filesystem::create_directories(home);
    std::filesystem::create_directories(pictures);
    std::filesystem::copy_file(Fixtures + "bear.jpg", pictures + "/mi\u015b.jpg");
    writeFile(file("a3.pvd"), "AAAAAAAA|Bongo|||||||||0|0|0|0|0|0\r\n");
    open();
    EXPECT_EQ(control<QLineEdit>("nameedit")->text(), QStringLiteral("Bongo"));
    openpic.choice = pictures + "/mi\u015b.jpg";
    auto* box = control<QScrollArea>("scroll1");
    mouseAt(window.get(), box->widget()->mapTo(window.get(), QPoint(200, 40)), Gesture::DoubleClick);
    EXPECT_EQ(control<QLabel>("beanimg")->size(), QSize(40, 30));
    window->close();
    window.reset();
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
    EXPECT_EQ(readFile(file("a3.pvd")),
              "AAAAAAAA|Bongo||||||0.00|0.00|0.00|0|0|0|0|0|pictures/AAAAAAAA.jpg\r\n");

    open();
    EXPECT_EQ(control<QLabel>("beanimg")->size(), QSize(40, 30));
    EXPECT_EQ(window->state().picturePath.native(), file("pictures/AAAAAAAA.jpg"));
    EXPECT_TRUE(QtMessageBoxes::takeAsked().empty());
}

} // namespace
} // namespace bw::test
