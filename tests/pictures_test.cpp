#include <gtest/gtest.h>

#include <functional>

#include "editing/record.h"
#include "pictures/attach.h"
#include "pictures/closeup.h"
#include "tests/harness.h"

namespace bw {
namespace {

struct CloseupCase {
    int picW, picH, screenW, screenH;
    Rect image;  // Image1 in the client area
    Rect window; // outer, frame included
};

class PicCloseupLayout : public ::testing::TestWithParam<CloseupCase> {};

TEST_P(PicCloseupLayout, SizesAndCentres)
{
    const auto& c = GetParam();
    const CloseupLayout l = closeupLayout(c.picW, c.picH, c.screenW, c.screenH);
    EXPECT_EQ(l.image, c.image);
    EXPECT_EQ(l.window, c.window);
}

INSTANTIATE_TEST_SUITE_P(Rule, PicCloseupLayout,
                         ::testing::Values(
                             // Below the limits the window is the picture plus 10 by 30.
                             CloseupCase{639, 479, 1024, 768, {0, 2, 639, 479}, {188, 130, 649, 509}},
                             // At 640 and 480 it drops to 620 by 460, not 650 by 510.
                             CloseupCase{640, 480, 1024, 768, {0, 2, 640, 480}, {202, 154, 620, 460}},
                             CloseupCase{640, 479, 1024, 768, {0, 2, 640, 479}, {202, 130, 620, 509}},
                             CloseupCase{639, 480, 1024, 768, {0, 2, 639, 480}, {188, 154, 649, 460}},
                             CloseupCase{2000, 1500, 1920, 1080, {0, 2, 2000, 1500}, {650, 310, 620, 460}},
                             // No picture, or a side of 0: the image keeps its 99 by 95.
                             CloseupCase{0, 0, 1024, 768, {0, 2, 99, 95}, {458, 322, 109, 125}},
                             CloseupCase{0, 300, 1024, 768, {0, 2, 99, 95}, {458, 322, 109, 125}},
                             CloseupCase{300, 0, 1024, 768, {0, 2, 99, 95}, {458, 322, 109, 125}},
                             // Each half truncates on its own: 1023 / 2 - 109 / 2 = 511 - 54.
                             CloseupCase{0, 0, 1023, 767, {0, 2, 99, 95}, {457, 321, 109, 125}},
                             CloseupCase{1, 1, 800, 600, {0, 2, 1, 1}, {395, 285, 11, 31}},
                             // A window larger than the screen goes off its top left.
                             CloseupCase{600, 400, 320, 240, {0, 2, 600, 400}, {-145, -95, 610, 430}}));

using Handler = void (*)(MainState&);

struct AttachCase {
    const char* name;
    Handler handler;
};

class PicAttach : public ::testing::TestWithParam<AttachCase> {};

TEST_P(PicAttach, ShowsTheChosenFileAndRemembersItsPath)
{
    test::Harness h;
    h.st.RecordList.add("AbcDefGh|Bear|4001|||||||||0|0|0|0|0|/old/bear.jpg");
    h.st.picturePath = Path::fromNative("/old/bear.jpg");
    h.loader.sizes["/home/me/pics/otter.jpg"] = {320, 240};
    h.openpic.choice = "/home/me/pics/otter.jpg";

    h.run([&] { GetParam().handler(h.st); });

    EXPECT_EQ(h.openpic.runs, 1);
    EXPECT_EQ(h.loader.loaded, std::vector<std::string>{"/home/me/pics/otter.jpg"});
    ASSERT_NE(h.beanimg.bitmap(), nullptr);
    EXPECT_EQ(h.beanimg.bitmap()->width(), 320);
    EXPECT_EQ(h.beanimg.rect, (Rect{0, 0, 320, 240}));
    EXPECT_EQ(h.scroll1.calls, (std::vector<std::string>{"v0", "h0"}));
    EXPECT_EQ(h.st.picturePath.native(), "/home/me/pics/otter.jpg");
    // Only the window changed: the record and the disk wait for the next store.
    EXPECT_EQ(h.st.RecordList.at(0), "AbcDefGh|Bear|4001|||||||||0|0|0|0|0|/old/bear.jpg");
    EXPECT_FALSE(h.exists("a3.pvd"));
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST_P(PicAttach, CancelChangesNothing)
{
    test::Harness h;
    h.st.picturePath = Path::fromNative("/old/bear.jpg");
    h.beanimg.bmp = std::make_unique<test::FakeBitmap>(50, 60, "/old/bear.jpg");
    h.beanimg.rect = {0, 0, 50, 60};
    h.openpic.choice = std::nullopt;

    h.run([&] { GetParam().handler(h.st); });

    EXPECT_EQ(h.openpic.runs, 1);
    EXPECT_TRUE(h.loader.loaded.empty());
    EXPECT_EQ(h.st.picturePath.native(), "/old/bear.jpg");
    ASSERT_NE(h.beanimg.bitmap(), nullptr);
    EXPECT_EQ(static_cast<const test::FakeBitmap*>(h.beanimg.bitmap())->source, "/old/bear.jpg");
    EXPECT_EQ(h.beanimg.rect, (Rect{0, 0, 50, 60}));
    EXPECT_TRUE(h.scroll1.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Handlers, PicAttach,
                         ::testing::Values(AttachCase{"scroll1", scroll1DblClick},
                                           AttachCase{"Label19", Label19DblClick},
                                           AttachCase{"beanimg", beanimgDblClick}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PicAttach, UnreadableFileLeavesAnEmptyPictureButKeepsThePath)
{
    test::Harness h;
    h.openpic.choice = "/home/me/pics/broken.gif"; // the fake loader knows no size for it
    h.run([&] { beanimgDblClick(h.st); });
    EXPECT_EQ(h.beanimg.rect, (Rect{0, 0, 0, 0}));
    EXPECT_EQ(h.st.picturePath.native(), "/home/me/pics/broken.gif");
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(PicAttach, PathReachesThePictureFieldAtTheNextStore)
{
    test::Harness h;
    h.write("a3.pvd", "AbcDefGh|Bear|4001||||||||0|0|0|0|0|0|\r\n");
    h.start();
    h.loader.sizes["/home/me/pics/bear.jpg"] = {100, 80};
    h.openpic.choice = "/home/me/pics/bear.jpg";

    h.run([&] { scroll1DblClick(h.st); });
    h.run([&] { storeCurrentRecord(h.st); });

    ASSERT_EQ(h.st.RecordList.count(), 1);
    EXPECT_EQ(getField(h.st.RecordList, 0, FPicture), "/home/me/pics/bear.jpg");
    EXPECT_EQ(getField(h.st.RecordList, 0, FName), "Bear");
}

TEST(PicCloseup, RightButtonShowsTheShownPicture)
{
    test::Harness h;
    h.beanimg.bmp = std::make_unique<test::FakeBitmap>(700, 500);
    h.run([&] { beanimgMouseDown(h.st, MouseButton::Right); });
    EXPECT_EQ(h.windows.shown, std::vector<std::string>{"upclose"});
    EXPECT_EQ(h.windows.closeupPicture, (std::pair<int, int>{700, 500}));
}

TEST(PicCloseup, RightButtonWithoutAPictureOpensAnEmptyCloseup)
{
    test::Harness h;
    h.beanimg.bmp.reset();
    h.run([&] { beanimgMouseDown(h.st, MouseButton::Right); });
    EXPECT_EQ(h.windows.shown, std::vector<std::string>{"upclose"});
    EXPECT_EQ(h.windows.closeupPicture, std::nullopt);
}

class PicOtherButtons : public ::testing::TestWithParam<MouseButton> {};

TEST_P(PicOtherButtons, DoNothing)
{
    test::Harness h;
    h.beanimg.bmp = std::make_unique<test::FakeBitmap>(70, 50);
    h.run([&] { beanimgMouseDown(h.st, GetParam()); });
    EXPECT_TRUE(h.windows.shown.empty());
    EXPECT_EQ(h.openpic.runs, 0);
}

INSTANTIATE_TEST_SUITE_P(Buttons, PicOtherButtons, ::testing::Values(MouseButton::Left, MouseButton::Middle));

} // namespace
} // namespace bw
