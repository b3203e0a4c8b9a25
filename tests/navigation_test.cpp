#include <gtest/gtest.h>

#include <algorithm>

#include "editing/navigation.h"
#include "tests/harness.h"

namespace bw {
namespace {

// key|name|style|birthday|retired|purchase|sale|buy|sell|value|five lists|picture
std::string record(const std::string& key, const std::string& name, const std::string& dates = "||||",
                   const std::string& picture = "0")
{
    return key + "|" + name + "|st" + dates + "|1.00||2.50|0|1|0|0|0|" + picture;
}

class NavigationTest : public ::testing::Test {
protected:
    test::Harness h;
    std::vector<std::string> records{record("KeyAaaaa", "Alpha"), record("KeyBbbbb", "Beta"),
                                     record("KeyCcccc", "Gamma"), record("KeyDdddd", "Delta"),
                                     record("KeyEeeee", "Epsilon")};
    std::vector<std::string> notes{"KeyAaaaa|alpha 1", "KeyBbbbb|beta 1", "KeyAaaaa|alpha 2",
                                   "KeyCcccc|gamma 1"};

    void start()
    {
        h.startWith(records, notes);
        ASSERT_TRUE(h.boxes.shown.empty());
    }
    // The slider and the shown record agree.
    void expectOn(int index)
    {
        EXPECT_EQ(h.st.currentIndex, index);
        EXPECT_EQ(h.recordslide.pos, index);
        EXPECT_EQ(h.rlabel.value,
                  "Record " + std::to_string(index + 1) + " of " + std::to_string(h.st.RecordList.count()));
    }
    std::string stored(int index, int field) const { return getField(h.st.RecordList, index, field); }
};

TEST_F(NavigationTest, LeavingAnUnchangedRecordStoresItWithZeroMoney)
{
    start();
    h.moveTo(1);
    EXPECT_TRUE(h.boxes.shown.empty());
    expectOn(1);
    EXPECT_EQ(h.nameedit.value, "Beta");
    EXPECT_EQ(h.memo.value, std::vector<std::string>{"beta 1"});
    EXPECT_EQ(h.st.RecordList.at(0), "KeyAaaaa|Alpha|st|||||1.00|0.00|2.50|0|1|0|0|0|");
    EXPECT_EQ(h.st.RecordList.at(2), records[2]);
    EXPECT_EQ(h.st.NoteList.lines(), notes);
}

TEST_F(NavigationTest, DraggingStoresAndShowsEachRecordInTurn)
{
    start();
    for (int pos = 1; pos <= 4; ++pos)
        h.moveTo(pos);
    expectOn(4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(stored(i, FSellPrice), "0.00") << i;
    EXPECT_EQ(h.st.RecordList.at(4), records[4]);
}

TEST_F(NavigationTest, EditedRecordIsCleanedAndStored)
{
    start();
    h.nameedit.value = "Alpha Bear";
    h.buyedit.value = "12.5";
    h.valedit.value = ".75";
    h.mfglist.setItemIndex(3);
    h.moveTo(2);
    EXPECT_EQ(h.st.RecordList.at(0), "KeyAaaaa|Alpha Bear|st||||||0.00|0.75|3|1|0|0|0|");
    expectOn(2);
}

struct WarningCase {
    const char* birthday;
    const char* retired;
    const char* purchase;
    const char* sale;
    const char* text;
};

class DateWarningTest : public NavigationTest, public ::testing::WithParamInterface<WarningCase> {};

TEST_P(DateWarningTest, WarnsOnceAndMovesOn)
{
    const auto& c = GetParam();
    start();
    h.bdayedit.value = c.birthday;
    h.rdayedit.value = c.retired;
    h.pdayedit.value = c.purchase;
    h.sdayedit.value = c.sale;
    h.moveTo(3);

    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Warning);
    EXPECT_EQ(h.boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(h.boxes.shown[0].text, c.text);
    EXPECT_EQ(stored(0, FBirthday), c.birthday);
    EXPECT_EQ(stored(0, FRetired), c.retired);
    EXPECT_EQ(stored(0, FPurchaseDate), c.purchase);
    EXPECT_EQ(stored(0, FSellDate), c.sale);
    expectOn(3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateWarningTest,
    ::testing::Values(
        WarningCase{"12251998", "01011998", "", "", "Beanies can't retire before birth!"},
        WarningCase{"", "", "12251998", "12011998",
                    "It's a bit difficult to sell a beanie before you bought it, don't you think?"},
        WarningCase{"12251998", "01011998", "12251998", "12011998", "Beanies can't retire before birth!"}));

TEST_F(NavigationTest, UneditedRecordWithAPictureIsCheckedEveryTimeItIsLeft)
{
    h.write("bean.gif", "gif");
    records[0] = record("KeyAaaaa", "Alpha", "|12251998|01011998||", "bean.gif");
    start();
    h.moveTo(1);
    h.moveTo(0);
    h.moveTo(1);
    EXPECT_EQ(h.boxes.texts(), (std::vector<std::string>{"Beanies can't retire before birth!",
                                                         "Beanies can't retire before birth!"}));
    EXPECT_EQ(stored(0, FPicture), h.file("bean.gif"));
}

TEST_F(NavigationTest, NotesEditedAloneAreKept)
{
    start();
    h.memo.type({"alpha new"});
    h.moveTo(1);
    EXPECT_FALSE(h.st.notesChanged);
    EXPECT_EQ(h.st.NoteList.lines(),
              (std::vector<std::string>{"KeyBbbbb|beta 1", "KeyCcccc|gamma 1", "KeyAaaaa|alpha new"}));
    // Editing the next record must not carry the first record's memo onto it.
    h.nameedit.value = "Beta Bear";
    h.moveTo(2);
    EXPECT_EQ(h.st.NoteList.lines(),
              (std::vector<std::string>{"KeyBbbbb|beta 1", "KeyCcccc|gamma 1", "KeyAaaaa|alpha new"}));
    h.moveTo(0);
    EXPECT_EQ(h.memo.value, std::vector<std::string>{"alpha new"});
}

TEST_F(NavigationTest, NameAndNotesEditedMoveTheNotesToTheEnd)
{
    start();
    h.nameedit.value = "Alpha Bear";
    h.memo.type({"one", "", "three"});
    h.moveTo(1);
    EXPECT_EQ(h.st.NoteList.lines(),
              (std::vector<std::string>{"KeyBbbbb|beta 1", "KeyCcccc|gamma 1", "KeyAaaaa|one", "KeyAaaaa|",
                                        "KeyAaaaa|three"}));
    EXPECT_EQ(stored(0, FName), "Alpha Bear");
}

TEST_F(NavigationTest, FirstChangeAfterAnAddDoesNothing)
{
    start();
    h.nameedit.value = "Typed";
    h.st.newRecordAdded = true;
    h.moveTo(3);
    EXPECT_FALSE(h.st.newRecordAdded);
    EXPECT_EQ(h.st.currentIndex, 0);
    EXPECT_EQ(h.st.RecordList.lines(), records);
    EXPECT_EQ(h.nameedit.value, "Typed");
    EXPECT_EQ(h.rlabel.value, "Record 1 of 5");
    // The next change is an ordinary move again.
    h.moveTo(2);
    EXPECT_EQ(stored(0, FName), "Typed");
    expectOn(2);
}

TEST_F(NavigationTest, PartlyTypedDateKeepsTheRecordOnScreen)
{
    start();
    h.moveTo(1);
    h.bdayedit.value = "12251998";
    h.rdayedit.value = "0101";
    h.memo.type({"beta typed"});
    const auto before = h.st.RecordList.lines();

    h.moveTo(3);

    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Error);
    EXPECT_EQ(h.boxes.shown[0].text, "'' is not a valid integer value");
    expectOn(1);
    EXPECT_EQ(h.st.RecordList.lines(), before);
    EXPECT_EQ(h.rdayedit.value, "0101");
    EXPECT_EQ(h.nameedit.value, "Beta");

    // Once the date is finished the same move goes through, notes included.
    h.rdayedit.value = "01011999";
    h.moveTo(3);
    EXPECT_EQ(h.boxes.shown.size(), 1u);
    expectOn(3);
    EXPECT_EQ(stored(1, FRetired), "01011999");
    EXPECT_EQ(h.st.NoteList.lines().back(), "KeyBbbbb|beta typed");
}

TEST_F(NavigationTest, RecordThatShowsWithAnErrorBecomesCurrent)
{
    records[2] = "KeyCcccc|Gamma|st||||||||0|oops|0|0|0|0";
    start();
    h.moveTo(2);
    ASSERT_EQ(h.boxes.texts(), std::vector<std::string>{"'oops' is not a valid integer value"});
    expectOn(2);
    EXPECT_EQ(h.nameedit.value, "Gamma");
    EXPECT_EQ(h.memo.value, std::vector<std::string>{"gamma 1"});

    h.memo.type({"gamma typed"});
    h.moveTo(4);
    expectOn(4);
    EXPECT_EQ(h.st.RecordList.at(2), "KeyCcccc|Gamma|st|||||0.00|0.00|0.00|0|-1|0|0|0|");
    EXPECT_EQ(h.st.NoteList.lines().back(), "KeyCcccc|gamma typed");
    EXPECT_EQ(h.st.RecordList.at(1), records[1]);
}

TEST_F(NavigationTest, PositionWithoutARecordLeavesTheShownOneCurrent)
{
    start();
    h.recordslide.hi = 9;
    h.moveTo(7);
    ASSERT_EQ(h.boxes.texts(), std::vector<std::string>{"List index out of bounds (7)"});
    expectOn(0);
    EXPECT_EQ(h.nameedit.value, "Alpha");
}

TEST_F(NavigationTest, PagingWritesNothingToDisk)
{
    start();
    const std::string a3 = h.read("a3.pvd"), a4 = h.read("a4.pvd");
    const auto a3Time = std::filesystem::last_write_time(h.file("a3.pvd"));
    h.nameedit.value = "Changed";
    h.memo.type({"changed notes"});
    h.moveTo(1);
    h.moveTo(4);
    h.memo.type({"more"});
    h.moveTo(0);

    EXPECT_EQ(h.read("a3.pvd"), a3);
    EXPECT_EQ(h.read("a4.pvd"), a4);
    EXPECT_EQ(std::filesystem::last_write_time(h.file("a3.pvd")), a3Time);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(h.dir.path))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"a3.pvd", "a4.pvd"}));
}

} // namespace
} // namespace bw
