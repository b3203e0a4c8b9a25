// Every picture the dialog can choose stays attached through a save and a
// restart, whatever its own name and the program folder's name hold.
#include <gtest/gtest.h>

#include "editing/savedelete.h"
#include "pictures/attach.h"
#include "platform/atomicfile.h"
#include "tests/harness.h"

namespace bw {
namespace {

struct AttachPathCase {
    const char* programFolder;
    const char* pictureFolder; // under the temporary folder
    const char* pictureName;
    bool copied; // whether the record can only name a copy
};

class AttachPathTest : public ::testing::TestWithParam<AttachPathCase> {};

TEST_P(AttachPathTest, ThePictureShowsAgainAfterASaveAndARestart)
{
    const auto& c = GetParam();
    test::Harness h;
    h.moveInto(c.programFolder);
    const std::string pictureDir = h.dir.path + "/" + c.pictureFolder;
    std::filesystem::create_directories(pictureDir);
    const std::string picture = pictureDir + "/" + c.pictureName;
    test::writeFile(picture, "picture bytes");
    h.startWith({"AbcDefGh|Bear|||||||||0|0|0|0|0|0"});
    h.openpic.choice = picture;
    h.run([&] { beanimgDblClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty()) << h.boxes.texts().front();
    h.run([&] { savebuttClick(h.st); });
    h.close();
    EXPECT_TRUE(h.boxes.shown.empty()) << h.boxes.texts().front();

    // Every line still reads as one record of sixteen fields.
    const std::vector<std::string> lines = StringList::splitLines(h.read("a3.pvd"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), '|'), 15);
    const std::string field = splitField(lines[0], FPicture);
    // A copy is named relative to the program folder at first; once the
    // record is shown again it is stored as a full path where one can be.
    EXPECT_EQ(field.find("pictures/AbcDefGh.") != std::string::npos, c.copied) << field;

    test::Harness again;
    again.home = h.home;
    again.start();
    EXPECT_TRUE(again.boxes.shown.empty()) << again.boxes.texts().front();
    ASSERT_EQ(again.loader.loaded.size(), 1u);
    const Path shown = Path::fromNative(again.loader.loaded[0]);
    EXPECT_TRUE(isRegularFile(shown));
    EXPECT_EQ(test::readFile(shown.native()), "picture bytes");
    if (!c.copied) {
        EXPECT_EQ(shown.native(), picture);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, AttachPathTest,
                         ::testing::Values(AttachPathCase{"Bindlewick", "pics", "bear.jpg", false},
                                           AttachPathCase{"Bindlewick",
                                                          "Zdj\xC4\x99"
                                                          "cia",
                                                          "bear.jpg", true},
                                           AttachPathCase{"Bindlewick", "pics", "mi\xC5\x9B.jpg", true},
                                           AttachPathCase{"Bindlewick", "a|b", "bear.jpg", true},
                                           AttachPathCase{"Bindlewick", "pics", "two\nlines.gif", true},
                                           AttachPathCase{"Bindlewick", "caf\xC3\xA9 #1 100%", "bear.jpg",
                                                          false},
                                           AttachPathCase{"Sammlung \xC5\x81\xC3\xB3"
                                                          "d\xC5\xBA",
                                                          "pics", "bear.jpg", false},
                                           AttachPathCase{"Sammlung \xC5\x81\xC3\xB3"
                                                          "d\xC5\xBA",
                                                          "\xD0\x9C\xD0\xBE\xD1\x97", "bear.jpg", true},
                                           AttachPathCase{"a|b", "a|b/x|y", "bear.jpg", true}));

TEST(AttachPath, APictureInsideTheProgramFolderIsNamedRelativeToIt)
{
    test::Harness h;
    h.moveInto("\xD0\x9C\xD0\xBE\xD1\x97 \xD1\x96\xD0\xB3\xD1\x80\xD0\xB0\xD1\x88\xD0\xBA\xD0\xB8");
    test::writeFile(h.file("bear.jpg"), "x");
    h.startWith({"AbcDefGh|Bear|||||||||0|0|0|0|0|0"});
    h.openpic.choice = h.file("bear.jpg");
    h.run([&] { beanimgDblClick(h.st); });
    storeCurrentRecord(h.st);
    EXPECT_EQ(getField(h.st.RecordList, 0, FPicture), "bear.jpg");
    EXPECT_FALSE(h.exists("pictures"));
}

TEST(AttachPath, TheSamePictureAttachedTwiceIsCopiedOnceAndAnotherGetsItsOwnName)
{
    test::Harness h;
    std::filesystem::create_directories(h.dir.path + "/\xC5\x81");
    test::writeFile(h.dir.path + "/\xC5\x81/a.jpg", "one");
    test::writeFile(h.dir.path + "/\xC5\x81/b.JPG", "two");
    h.moveInto("app");
    h.startWith({"AbcDefGh|Bear|||||||||0|0|0|0|0|0"});
    for (const char* name : {"a.jpg", "a.jpg", "b.JPG"}) {
        h.openpic.choice = h.dir.path + "/\xC5\x81/" + name;
        h.run([&] { beanimgDblClick(h.st); });
    }
    EXPECT_EQ(h.read("pictures/AbcDefGh.jpg"), "one");
    EXPECT_EQ(h.read("pictures/AbcDefGh-2.jpg"), "two");
    EXPECT_FALSE(h.exists("pictures/AbcDefGh-3.jpg"));
    storeCurrentRecord(h.st);
    EXPECT_EQ(getField(h.st.RecordList, 0, FPicture), "pictures/AbcDefGh-2.jpg");
}

TEST(AttachPath, ACopyThatCannotBeMadeLeavesThePictureAsItWas)
{
    test::Harness h;
    std::filesystem::create_directories(h.dir.path + "/\xC5\x81");
    test::writeFile(h.dir.path + "/\xC5\x81/a.jpg", "one");
    h.moveInto("app");
    test::writeFile(h.file("pictures"), "a file where the folder would go");
    h.startWith({"AbcDefGh|Bear|||||||||0|0|0|0|0|0"});
    h.openpic.choice = h.dir.path + "/\xC5\x81/a.jpg";
    h.run([&] { beanimgDblClick(h.st); });
    EXPECT_EQ(h.boxes.texts(),
              std::vector<std::string>{"Cannot create file " + h.file("pictures") + "\nNot a directory"});
    EXPECT_TRUE(h.st.picturePath.empty());
    EXPECT_TRUE(h.loader.loaded.empty());
}

// A program folder whose name a3.pvd cannot hold: a bare name keeps being
// stored as read, not as a full path that would be garbled.
TEST(AttachPath, AReferenceThatCannotBecomeAFullPathIsKeptAsRead)
{
    test::Harness h;
    h.moveInto("\xE7\x94\xA8\xE6\x88\xB7");
    std::filesystem::create_directories(h.file("pictures"));
    test::writeFile(h.file("pictures/AbcDefGh.jpg"), "x");
    test::writeFile(h.file("bear.jpg"), "x");
    h.startWith(
        {"AbcDefGh|Bear|||||||||0|0|0|0|0|pictures/AbcDefGh.jpg", "BbcDefGh|Bo|||||||||0|0|0|0|0|bear.jpg"});
    h.moveTo(1);
    h.close();
    EXPECT_TRUE(h.boxes.shown.empty()) << h.boxes.texts().front();
    EXPECT_EQ(h.read("a3.pvd"), "AbcDefGh|Bear||||||0.00|0.00|0.00|0|0|0|0|0|pictures/AbcDefGh.jpg\r\n"
                                "BbcDefGh|Bo||||||0.00|0.00|0.00|0|0|0|0|0|bear.jpg\r\n");
}

} // namespace
} // namespace bw
