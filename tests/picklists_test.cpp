#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editing/picklists.h"
#include "platform/atomicfile.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::Harness;

// The typed text goes and the list shows the entry the record will store.
TEST(PickLists, EnterOnAnExistingEntryRemovesTheTextAndSaysSo)
{
    Harness h;
    h.startWith({"AbcDefGh|Bear|||||||||0|0|2|0|0|"});
    h.condlist1.type("mint");
    h.run([&] { condlist1KeyUp(h.st, 13); });
    EXPECT_EQ(h.condlist1.text(), "Near Mint");
    EXPECT_EQ(h.condlist1.itemIndex(), 2);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Information);
    EXPECT_EQ(h.boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(h.boxes.shown[0].text, "Duplication! There is already an entry of mint.");
    EXPECT_EQ(h.condlist1.count(), 6);
    EXPECT_FALSE(h.exists("a1.pvd"));
}

TEST(PickLists, YesAddsTheEntrySelectsItAndRewritesTheFile)
{
    Harness h;
    h.write("a1.pvd", "9|Other\n");
    h.start();
    h.condlist3.type("Mint");
    h.boxes.answer(Answer::Yes);
    h.run([&] { condlist3KeyUp(h.st, 13); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "Would you like to add Mint to the list?");
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Information);
    EXPECT_EQ(h.boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(h.condlist3.count(), 6);
    EXPECT_EQ(h.condlist3.item(5), "Mint");
    EXPECT_EQ(h.condlist3.itemIndex(), 5);
    EXPECT_EQ(h.read("a1.pvd"), "9|Other\r\n5|Mint\r\n");
}

TEST(PickLists, NoChangesNothingAndShowsTheSelectedEntryAgain)
{
    Harness h;
    h.start();
    h.mfglist.type("Hand made");
    h.boxes.answer(Answer::No);
    h.run([&] { mfglistKeyUp(h.st, 13); });
    EXPECT_EQ(h.mfglist.count(), 7);
    EXPECT_EQ(h.mfglist.text(), "Ty");
    EXPECT_EQ(h.mfglist.itemIndex(), 0);
    EXPECT_TRUE(h.st.EntryList.empty());
    EXPECT_FALSE(h.exists("a1.pvd"));
}

struct TypedCase {
    const char* typed;
    bool duplicate;
};

class DuplicateTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(DuplicateTest, OnlyLettersAToZIgnoreCase)
{
    Harness h;
    h.write("a1.pvd", "3|Caf\xe9\r\n");
    h.start();
    h.condlist1.type(GetParam().typed);
    if (!GetParam().duplicate)
        h.boxes.answer(Answer::No);
    h.run([&] { condlist1KeyUp(h.st, 13); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].buttons == MsgButtons::Ok, GetParam().duplicate) << h.boxes.shown[0].text;
}

INSTANTIATE_TEST_SUITE_P(Cases, DuplicateTest,
                         ::testing::Values(TypedCase{"MINT", true}, TypedCase{"near mint", true},
                                           TypedCase{"Mint ", false}, TypedCase{" Mint", false},
                                           TypedCase{"caf\xe9", true}, TypedCase{"CAF\xc9", false},
                                           TypedCase{"Less than very good", true}));

TEST(PickLists, EnterOnAnEmptyTextAsksWithTwoBlanks)
{
    Harness h;
    h.start();
    h.mfglist.type("");
    h.boxes.answer(Answer::Yes);
    h.run([&] { mfglistKeyUp(h.st, 13); });
    EXPECT_EQ(h.boxes.shown[0].text, "Would you like to add  to the list?");
    EXPECT_EQ(h.read("a1.pvd"), "1|\r\n");
}

TEST(PickLists, OtherKeysDoNothing)
{
    Harness h;
    h.start();
    h.genlist.type("x");
    h.run([&] { genlistKeyUp(h.st, 'X'); });
    EXPECT_TRUE(h.boxes.shown.empty());
}

struct FailedWriteCase {
    const char* name;
    bool readOnly; // otherwise the disk fills up
    const char* reason;
};

class FailedAddTest : public ::testing::TestWithParam<FailedWriteCase> {};

// An entry a1.pvd does not hold must not be picked: a record would store its
// position and lose the grade at the next start.
TEST_P(FailedAddTest, LeavesNoEntryBehindAndALaterAdditionWorks)
{
    const auto& c = GetParam();
    Harness h;
    h.write("a1.pvd", "9|Other\r\n");
    h.start();
    if (c.readOnly)
        std::filesystem::permissions(h.file("a1.pvd"), std::filesystem::perms::owner_read);
    else
        failWritesAfterBytes(0);
    h.condlist2.type("Torn");
    h.boxes.answer(Answer::Yes);
    h.run([&] { condlist2KeyUp(h.st, 13); });
    failWritesAfterBytes(std::nullopt);
    ASSERT_EQ(h.boxes.shown.size(), 2u);
    EXPECT_EQ(h.boxes.shown[1].kind, MsgKind::Error);
    EXPECT_EQ(h.boxes.shown[1].text, "Cannot create file " + h.file("a1.pvd") + "\n" + c.reason);
    EXPECT_EQ(h.condlist2.count(), 5);
    EXPECT_EQ(h.condlist2.text(), "Mint in Protector");
    EXPECT_EQ(h.condlist2.itemIndex(), 0);
    EXPECT_EQ(h.st.EntryList.lines(), std::vector<std::string>{"9|Other"});
    EXPECT_EQ(h.read("a1.pvd"), "9|Other\r\n");

    std::filesystem::permissions(h.file("a1.pvd"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    h.condlist2.type("Faded");
    h.boxes.answer(Answer::Yes);
    h.run([&] { condlist2KeyUp(h.st, 13); });
    ASSERT_EQ(h.boxes.shown.size(), 3u);
    EXPECT_EQ(h.condlist2.count(), 6);
    EXPECT_EQ(h.condlist2.item(5), "Faded");
    EXPECT_EQ(h.condlist2.itemIndex(), 5);
    EXPECT_EQ(h.read("a1.pvd"), "9|Other\r\n4|Faded\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, FailedAddTest,
                         ::testing::Values(FailedWriteCase{"FullDisk", false, "No space left on device"},
                                           FailedWriteCase{"ReadOnlyFile", true, "Permission denied"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace bw
