// Picture files of our own making read through the real loader, and a
// collection whose records name them shown in the real window.
#include <QLabel>
#include <filesystem>

#include "pictures/imageloader_qt.h"
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

} // namespace
} // namespace bw::test
