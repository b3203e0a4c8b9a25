// The program folder and its files are reached by the file system's own
// names, whatever letters they hold; only stored texts are Windows-1252.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "pictures/pictureref.h"
#include "platform/ansi.h"
#include "platform/atomicfile.h"
#include "tests/harness.h"

namespace bw {
namespace {

class ProgramFolderTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ProgramFolderTest, LoadsSavesAndReloadsTheCollection)
{
    test::Harness h;
    h.moveInto(GetParam());
    h.write("a1.pvd", "1|Hand made\r\n");
    h.write("bindle.ini", "UK\r\n");
    h.startWith({"AbcDefGh|Bongo|4067|01021995|||||||7|0|0|0|0|0"}, {"AbcDefGh|n\xE9"
                                                                     "e"});
    EXPECT_TRUE(h.boxes.shown.empty()) << h.boxes.texts().front();
    EXPECT_EQ(h.rlabel.value, "Record 1 of 1");
    EXPECT_EQ(h.nameedit.value, "Bongo");
    EXPECT_EQ(h.mfglist.itemIndex(), 7);
    EXPECT_EQ(h.st.dateOrder, DateOrder::DayFirst);
    EXPECT_EQ(h.windows.shown.front(), "didyano:" + h.home);

    h.nameedit.value = "Bongo II";
    h.close();
    EXPECT_TRUE(h.boxes.shown.empty()) << h.boxes.texts().front();
    EXPECT_EQ(h.read("a3.pvd"), "AbcDefGh|Bongo II|4067|01021995||||0.00|0.00|0.00|7|0|0|0|0|\r\n");
    EXPECT_EQ(h.read("a4.pvd"), "AbcDefGh|n\xE9"
                                "e\r\n");

    h.run([&] { helpbuttonClick(h.st); });
    EXPECT_EQ(h.desktop.opened, std::vector<std::string>{h.home + "/docs/wickhelp.htm"});
}

INSTANTIATE_TEST_SUITE_P(Names, ProgramFolderTest,
                         ::testing::Values("Sammlung Łódź", "Мої іграшки", "用户/Bindlewick", "a|b",
                                           "#50% off", "caf\xC3\xA9"));

TEST(PathMessages, AFolderNameTheCodePageCannotHoldShowsWithQuestionMarks)
{
    try {
        throwCannotCreate(Path::fromNative("/home/łukasz/Bindlewick/a3.pvd"));
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file /home/?ukasz/Bindlewick/a3.pvd");
    }
    // A name the code page holds reads as itself, in Windows-1252.
    EXPECT_EQ(Path::fromNative("/home/jos\xC3\xA9").messageText(), "/home/jos\xE9");
}

struct AnsiCase {
    const char* utf8;
    const char* ansi; // nullptr: cannot be written
};

class Utf8ToAnsiTest : public ::testing::TestWithParam<AnsiCase> {};

TEST_P(Utf8ToAnsiTest, ConvertsExactlyOrNotAtAll)
{
    const auto got = utf8ToAnsi(GetParam().utf8);
    if (!GetParam().ansi) {
        EXPECT_FALSE(got.has_value());
        return;
    }
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, GetParam().ansi);
    EXPECT_EQ(ansiToUtf8(*got), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8ToAnsiTest,
                         ::testing::Values(AnsiCase{"plain /a b", "plain /a b"},
                                           AnsiCase{"caf\xC3\xA9", "caf\xE9"},
                                           AnsiCase{"\xE2\x82\xAC 5", "\x80 5"}, AnsiCase{"\xC5\xBD", "\x8E"},
                                           AnsiCase{"\xC2\x81", "\x81"}, AnsiCase{"\xC3\xBF", "\xFF"},
                                           AnsiCase{"\xC5\x81", nullptr}, AnsiCase{"\xE7\x94\xA8", nullptr},
                                           AnsiCase{"\xF0\x9F\x90\xBB", nullptr}, AnsiCase{"\xC3", nullptr},
                                           AnsiCase{"\xE9", nullptr}, AnsiCase{"\xC0\xAF", nullptr},
                                           AnsiCase{"\xED\xA0\x80", nullptr}));

struct FieldCase {
    const char* field;
    const char* path; // relative ones lie under /app
};

class PictureFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(PictureFieldTest, NamesTheFileUnderTheProgramFolderUnlessFull)
{
    EXPECT_EQ(picturePathFromField(GetParam().field, Path::fromNative("/app")).native(), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureFieldTest,
                         ::testing::Values(FieldCase{"0", ""}, FieldCase{"abc", ""},
                                           FieldCase{"bear.jpg", "/app/bear.jpg"},
                                           FieldCase{"pictures/AbcDefGh.jpg", "/app/pictures/AbcDefGh.jpg"},
                                           FieldCase{"/pics/caf\xE9.jpg", "/pics/caf\xC3\xA9.jpg"},
                                           FieldCase{"C:\\pics\\a.jpg", "/app/C:\\pics\\a.jpg"}));

TEST(PictureField, APathIsStoredOnlyWhenItReadsBackAsItself)
{
    EXPECT_EQ(pictureFieldFromPath(Path::fromNative("/pics/caf\xC3\xA9.jpg")), "/pics/caf\xE9.jpg");
    for (const char* bad : {"/Zdj\xC4\x99"
                            "cia/bear.jpg",
                            "/a|b/bear.jpg", "/a\nb.jpg", "/a\rb.jpg", "/x/\xE9.jpg"})
        EXPECT_FALSE(pictureFieldFromPath(Path::fromNative(bad)).has_value()) << bad;
    EXPECT_EQ(
        relativePictureField(Path::fromNative("/h/\xC5\x82/pictures/K.jpg"), Path::fromNative("/h/\xC5\x82")),
        "pictures/K.jpg");
    EXPECT_FALSE(
        relativePictureField(Path::fromNative("/h/other/K.jpg"), Path::fromNative("/h/x")).has_value());
}

TEST(PictureFile, OnlyARegularFileCounts)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path + "/folder.jpg");
    test::writeFile(dir.path + "/bear.jpg", "x");
    EXPECT_FALSE(isRegularFile(dir.root() / "folder.jpg"));
    EXPECT_FALSE(isRegularFile(dir.root() / "missing.jpg"));
    EXPECT_TRUE(isRegularFile(dir.root() / "bear.jpg"));
}

// A relative field with a "/" names a file under the program folder, never
// under the current one; a folder of that name is no picture.
TEST(PictureFile, ARelativeFieldIsLookedForInTheProgramFolderAndMustBeAFile)
{
    test::Harness h;
    h.moveInto("prog");
    std::filesystem::create_directories(h.file("pics/folder.jpg"));
    test::writeFile(h.file("pics/bear.jpg"), "x");
    h.boxes.answer(Answer::No);
    h.startWith(
        {"AbcDefGh|Bear|||||||||0|0|0|0|0|pics/bear.jpg", "BbcDefGh|Bo|||||||||0|0|0|0|0|pics/folder.jpg"});
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.loader.loaded, std::vector<std::string>{h.file("pics/bear.jpg")});
    h.moveTo(1);
    EXPECT_EQ(h.boxes.texts(),
              std::vector<std::string>{
                  "Your picture isn't there any more! Would you like to delete the reference?"});
    EXPECT_EQ(h.loader.loaded.size(), 1u);
}

} // namespace
} // namespace bw
