#include <gtest/gtest.h>

#include "editing/addfind.h"
#include "editing/savedelete.h"
#include "editing/search.h"
#include "platform/atomicfile.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::Harness;

// A stored record line with the given key, name and style.
std::string rec(const std::string& key, const std::string& name, const std::string& style = "")
{
    return key + "|" + name + "|" + style + "|||||1.00|0.00|2.00|0|0|0|0|0|";
}

std::string lines(std::initializer_list<std::string> ls)
{
    std::string s;
    for (const auto& l : ls)
        s += l + "\r\n";
    return s;
}

struct Collection : Harness {
    explicit Collection(std::initializer_list<std::string> records, const std::string& notes = "")
    {
        write("a3.pvd", lines(records));
        if (!notes.empty())
            write("a4.pvd", notes);
        start();
    }
    void returnInName(const std::string& typed)
    {
        nameedit.value = typed;
        run([&] { nameeditKeyUp(st, KeyReturn); });
    }
    std::string name(int i) const { return splitField(st.RecordList.at(i), FName); }
};

// ---- adding ----

TEST(Add, StoresTheShownRecordWritesBothFilesThenAppendsAndShowsABlankRecord)
{
    Collection h({rec("AAAAAAAA", "Teddy"), rec("BBBBBBBB", "Bongo")});
    h.styleedit.value = "4050";
    h.pdayedit.value = "12251998";
    h.sdayedit.value = "01011998"; // sold before bought: no warning on add
    h.run([&] { addbuttonClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty());
    const std::string a3 = h.read("a3.pvd");
    EXPECT_NE(a3.find("AAAAAAAA|Teddy|4050|||12251998|01011998|"), std::string::npos) << a3;
    EXPECT_EQ(std::count(a3.begin(), a3.end(), '\n'), 2) << "the new record is not written yet";
    ASSERT_EQ(h.st.RecordList.count(), 3);
    EXPECT_EQ(h.st.RecordList.at(2).substr(8), "||||||||||0|0|0|0|0|0|");
    EXPECT_EQ(h.st.currentIndex, 2);
    EXPECT_EQ(h.recordslide.max(), 2);
    EXPECT_EQ(h.recordslide.position(), 2);
    EXPECT_FALSE(h.st.newRecordAdded);
    EXPECT_EQ(h.rlabel.value, "Record 3 of 3");
    EXPECT_EQ(h.nameedit.value, "");
    EXPECT_EQ(h.buyedit.value, "0.00");
    EXPECT_EQ(h.selledit.value, "0.00");
    EXPECT_EQ(h.valedit.value, "0.00");
    EXPECT_EQ(h.mfglist.itemIndex(), 0);
    EXPECT_TRUE(h.memo.value.empty());
}

TEST(Add, TwoAddsInARowWriteTheFirstBlankRecord)
{
    Collection h({rec("AAAAAAAA", "Teddy")});
    h.run([&] { addbuttonClick(h.st); });
    h.nameedit.value = "Typed into the blank";
    h.run([&] { addbuttonClick(h.st); });
    EXPECT_EQ(h.st.RecordList.count(), 3);
    const std::string a3 = h.read("a3.pvd");
    EXPECT_EQ(std::count(a3.begin(), a3.end(), '\n'), 2);
    EXPECT_NE(a3.find("|Typed into the blank|"), std::string::npos);
    EXPECT_NE(splitField(h.st.RecordList.at(1), FKey), splitField(h.st.RecordList.at(2), FKey));
}

TEST(Add, IntoAnEmptyCollectionWritesBothFilesAndShowsTheFirstRecord)
{
    Harness h;
    h.start();
    h.run([&] { addbuttonClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.read("a3.pvd"), "");
    EXPECT_EQ(h.read("a4.pvd"), "");
    EXPECT_EQ(h.st.RecordList.count(), 1);
    EXPECT_EQ(h.rlabel.value, "Record 1 of 1");
    EXPECT_EQ(h.buyedit.value, "0.00");
    // The flag was not consumed by a slider move; it must not linger.
    EXPECT_FALSE(h.st.newRecordAdded);
}

TEST(Add, AFailedWriteStopsBeforeTheNewRecord)
{
    Collection h({rec("AAAAAAAA", "Teddy")});
    h.nameedit.value = "Renamed";
    failWritesAfterBytes(0);
    h.run([&] { addbuttonClick(h.st); });
    failWritesAfterBytes(std::nullopt);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Error);
    EXPECT_EQ(h.st.RecordList.count(), 1);
    EXPECT_EQ(h.name(0), "Renamed");
}

// ---- find or add by name ----

TEST(FindOrAdd, ASubstringInAnyCaseAsksAndYesAddsARecordWithTheTypedName)
{
    Collection h({rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", "Teddy Bear")});
    h.boxes.answer(Answer::Yes);
    h.returnInName("bear");
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Information);
    EXPECT_EQ(h.boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(h.boxes.shown[0].text,
              "Duplication! There is already an entry of bear. Would you like to add another one?");
    EXPECT_EQ(h.st.RecordList.count(), 3);
    EXPECT_EQ(h.nameedit.value, "bear");
    EXPECT_EQ(h.st.currentIndex, 2);
    // The record shown before kept its name through the store and the write.
    EXPECT_EQ(h.name(0), "Bongo");
    EXPECT_NE(h.read("a3.pvd").find("AAAAAAAA|Bongo|"), std::string::npos);
}

TEST(FindOrAdd, NoMatchAddsARecordCarryingTheName)
{
    Collection h({rec("AAAAAAAA", "Teddy Bear")});
    h.returnInName("Teddy Bears");
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.st.RecordList.count(), 2);
    EXPECT_EQ(h.nameedit.value, "Teddy Bears");
    EXPECT_EQ(h.name(0), "Teddy Bear");
    EXPECT_EQ(h.name(1), ""); // the name reaches the record at its next store
}

TEST(FindOrAdd, LettersOutsideAToZMustMatchExactly)
{
    Collection h({rec("AAAAAAAA", "\xc9lan")});
    h.returnInName("\xe9lan");
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.st.RecordList.count(), 2);
}

TEST(FindOrAdd, NoShowsTheFirstMatchAndKeepsTheEditsOfTheRecordLeft)
{
    Collection h({rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", "Spot one"), rec("CCCCCCCC", "Spot two")},
                 "AAAAAAAA|old note\r\n");
    h.styleedit.value = "edited";
    h.memo.type({"new note"});
    h.boxes.answer(Answer::No);
    h.returnInName("spot");
    EXPECT_EQ(h.st.currentIndex, 1);
    EXPECT_EQ(h.recordslide.position(), 1);
    EXPECT_EQ(h.nameedit.value, "Spot one");
    EXPECT_EQ(h.rlabel.value, "Record 2 of 3");
    EXPECT_EQ(h.st.RecordList.at(0).substr(0, 22), "AAAAAAAA|Bongo|edited|");
    EXPECT_EQ(h.st.NoteList.lines(), std::vector<std::string>{"AAAAAAAA|new note"});
    EXPECT_EQ(h.st.RecordList.count(), 3);
}

TEST(FindOrAdd, NoOnARecordThatShowsWithAnErrorKeepsTheSliderOnIt)
{
    Collection h({rec("AAAAAAAA", "Bongo"), "BBBBBBBB|Teddy|||||||||x|0|0|0|0|0"});
    h.boxes.answer(Answer::No);
    h.returnInName("ted");
    EXPECT_EQ(h.boxes.shown.back().text, "'x' is not a valid integer value");
    EXPECT_EQ(h.st.currentIndex, 1);
    EXPECT_EQ(h.recordslide.position(), 1);
    EXPECT_EQ(h.nameedit.value, "Teddy");
}

TEST(FindOrAdd, NoOnTheShownRecordShowsItAgainWithItsEditsStored)
{
    Collection h({rec("AAAAAAAA", "Bongo", "1")});
    h.styleedit.value = "2";
    h.boxes.answer(Answer::No);
    h.returnInName("bon");
    EXPECT_EQ(h.nameedit.value, "Bongo");
    EXPECT_EQ(h.styleedit.value, "2");
    EXPECT_EQ(h.st.RecordList.count(), 1);
}

TEST(FindOrAdd, AnEmptyNameAddsABlankRecord)
{
    Collection h({rec("AAAAAAAA", "Bongo")});
    h.returnInName("");
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.st.RecordList.count(), 2);
    EXPECT_EQ(h.nameedit.value, "");
}

TEST(FindOrAdd, OnABlankRecordReturnOnlyEmptiesTheBox)
{
    Collection h({rec("AAAAAAAA", "")});
    h.returnInName("Bongo");
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.nameedit.value, "");
    EXPECT_EQ(h.st.RecordList.count(), 1);
    EXPECT_FALSE(h.exists("a4.pvd"));
}

TEST(FindOrAdd, InAnEmptyCollectionAddsTheFirstRecord)
{
    Harness h;
    h.start();
    h.nameedit.value = "Bongo";
    h.run([&] { nameeditKeyUp(h.st, KeyReturn); });
    EXPECT_EQ(h.st.RecordList.count(), 1);
    EXPECT_EQ(h.nameedit.value, "Bongo");
}

TEST(FindOrAdd, OtherKeysAreLeftToTheBox)
{
    Collection h({rec("AAAAAAAA", "Bongo")});
    h.nameedit.value = "Bon";
    h.run([&] { nameeditKeyUp(h.st, 'N'); });
    EXPECT_EQ(h.nameedit.value, "Bon");
    EXPECT_EQ(h.st.RecordList.count(), 1);
}

// ---- saving ----

TEST(Save, DropsUnnamedRecordsWithTheirNotesAndKeepsABlankName)
{
    Collection h(
        {rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", ""), rec("CCCCCCCC", " "), rec("DDDDDDDD", "Spot")},
        lines({"BBBBBBBB|gone", "AAAAAAAA|kept", "BBBBBBBB|gone too", "CCCCCCCC|blank kept"}));
    h.run([&] { savebuttClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty());
    ASSERT_EQ(h.st.RecordList.count(), 3);
    EXPECT_EQ(h.name(1), " ");
    EXPECT_EQ(h.read("a4.pvd"), lines({"AAAAAAAA|kept", "CCCCCCCC|blank kept"}));
    EXPECT_EQ(h.read("a3.pvd").find("BBBBBBBB"), std::string::npos);
}

TEST(Save, ARecordWhoseNameWasEmptiedIsDroppedWithItsNotes)
{
    Collection h({rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", "Spot")}, lines({"AAAAAAAA|note"}));
    h.nameedit.value = "";
    h.memo.type({"edited"});
    h.run([&] { savebuttClick(h.st); });
    ASSERT_EQ(h.st.RecordList.count(), 1);
    EXPECT_EQ(h.name(0), "Spot");
    EXPECT_EQ(h.read("a4.pvd"), "");
}

TEST(Save, EndsOnTheFirstRecordAndStoresWithoutChecks)
{
    Collection h({rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", "Spot"), rec("CCCCCCCC", "Chops")});
    h.moveTo(2);
    h.buyedit.value = "abc";
    h.pdayedit.value = "12251998";
    h.sdayedit.value = "01011998";
    h.run([&] { savebuttClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.st.currentIndex, 0);
    EXPECT_EQ(h.recordslide.position(), 0);
    EXPECT_EQ(h.recordslide.max(), 2);
    EXPECT_EQ(h.rlabel.value, "Record 1 of 3");
    EXPECT_EQ(h.nameedit.value, "Bongo");
    EXPECT_NE(h.read("a3.pvd").find("CCCCCCCC|Chops||||12251998|01011998|abc|"), std::string::npos);
}

TEST(Save, EditedNotesBecomeExactlyTheMemoLines)
{
    Collection h({rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", "Spot")},
                 lines({"AAAAAAAA|one", "BBBBBBBB|other", "AAAAAAAA|two"}));
    h.memo.type({"first", "", "third"});
    h.run([&] { savebuttClick(h.st); });
    EXPECT_EQ(h.read("a4.pvd"), lines({"BBBBBBBB|other", "AAAAAAAA|first", "AAAAAAAA|", "AAAAAAAA|third"}));
    EXPECT_FALSE(h.st.notesChanged);
    h.memo.type({});
    h.run([&] { savebuttClick(h.st); });
    EXPECT_EQ(h.read("a4.pvd"), lines({"BBBBBBBB|other"}));
}

TEST(Save, DroppingEveryRecordShowsTheNoRecordsState)
{
    Collection h({rec("AAAAAAAA", "Bongo")});
    h.nameedit.value = "";
    h.run([&] { savebuttClick(h.st); });
    EXPECT_TRUE(h.st.RecordList.empty());
    EXPECT_EQ(h.rlabel.value, "No Records.");
    EXPECT_EQ(h.recordslide.max(), 0);
    EXPECT_EQ(h.styleedit.value, "");
    EXPECT_EQ(h.buyedit.value, "");
    EXPECT_EQ(h.mfglist.itemIndex(), 0);
    EXPECT_EQ(h.read("a3.pvd"), "");
    // Nothing is stored until a record is added.
    h.close();
    EXPECT_EQ(h.read("a3.pvd"), "");
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(Save, AfterAFailedWriteTheWindowShowsTheRecordAtTheCurrentIndex)
{
    Collection h({rec("AAAAAAAA", ""), rec("BBBBBBBB", "Spot"), rec("CCCCCCCC", "Chops")});
    h.moveTo(2);
    failWritesAfterBytes(0);
    h.run([&] { savebuttClick(h.st); });
    failWritesAfterBytes(std::nullopt);
    ASSERT_FALSE(h.boxes.shown.empty());
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot create file " + h.file("a3.pvd") + "\nNo space left on device");
    ASSERT_EQ(h.st.RecordList.count(), 2); // the unnamed record was already dropped
    ASSERT_LT(h.st.currentIndex, 2);
    EXPECT_EQ(h.recordslide.position(), h.st.currentIndex);
    EXPECT_EQ(h.recordslide.max(), 1);
    EXPECT_EQ(h.nameedit.value, h.name(h.st.currentIndex));
    // A later store puts the shown values back where they came from.
    h.close();
    EXPECT_EQ(h.name(0), "Spot");
    EXPECT_EQ(h.name(1), "Chops");
}

// ---- deleting ----

TEST(Delete, AsksWithTheNameBoxTextAndRemovesTheRecordWithAllItsNotes)
{
    Collection h({rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", "Spot")},
                 lines({"BBBBBBBB|x", "AAAAAAAA|keep", "BBBBBBBB|y", "BBBBBBBBB|not this key"}));
    h.moveTo(1);
    h.nameedit.value = "Spotty";
    h.boxes.answer(Answer::Yes);
    h.run([&] { deletebuttonClick(h.st); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Confirm);
    EXPECT_EQ(h.boxes.shown[0].text, "Are you sure you want to delete Spotty ?");
    EXPECT_EQ(h.read("a3.pvd"), lines({rec("AAAAAAAA", "Bongo")}));
    EXPECT_EQ(h.read("a4.pvd"), lines({"AAAAAAAA|keep", "BBBBBBBBB|not this key"}));
    EXPECT_EQ(h.st.currentIndex, 0);
    EXPECT_EQ(h.recordslide.position(), 0);
    EXPECT_EQ(h.recordslide.max(), 0);
    EXPECT_EQ(h.nameedit.value, "Bongo");
}

TEST(Delete, AnsweredNoChangesNothing)
{
    Collection h({rec("AAAAAAAA", "Bongo")});
    h.nameedit.value = "";
    h.styleedit.value = "unsaved";
    h.boxes.answer(Answer::No);
    h.run([&] { deletebuttonClick(h.st); });
    EXPECT_EQ(h.boxes.shown[0].text, "Are you sure you want to delete  ?");
    EXPECT_EQ(h.st.RecordList.count(), 1);
    EXPECT_EQ(h.styleedit.value, "unsaved");
    EXPECT_EQ(h.name(0), "Bongo");
    EXPECT_FALSE(h.exists("a4.pvd"));
}

TEST(Delete, TheLastRecordLeavesTheNoRecordsState)
{
    Collection h({rec("AAAAAAAA", "Bongo")}, lines({"AAAAAAAA|note"}));
    h.boxes.answer(Answer::Yes);
    h.run([&] { deletebuttonClick(h.st); });
    EXPECT_EQ(h.rlabel.value, "No Records.");
    EXPECT_TRUE(h.memo.value.empty());
    EXPECT_EQ(h.read("a3.pvd"), "");
    EXPECT_EQ(h.read("a4.pvd"), "");
    // With nothing left, delete asks nothing.
    h.run([&] { deletebuttonClick(h.st); });
    EXPECT_EQ(h.boxes.shown.size(), 1u);
}

TEST(Delete, AfterAFailedNotesWriteTheWindowAgreesWithTheRecords)
{
    Collection h({rec("AAAAAAAA", "Bongo"), rec("BBBBBBBB", "Spot"), rec("CCCCCCCC", "Chops")});
    h.moveTo(1);
    failWritesAfterBytes(std::nullopt);
    // a4.pvd's place is unusable: a folder appeared there (a change on disk,
    // which the user agrees to overwrite).
    std::filesystem::create_directory(h.file("a4.pvd"));
    std::filesystem::create_directory(h.file("a4.pvd") + "/keep");
    h.boxes.answer(Answer::Yes);
    h.boxes.answer(Answer::Yes);
    const std::string a3 = h.read("a3.pvd");
    h.run([&] { deletebuttonClick(h.st); });
    ASSERT_EQ(h.boxes.shown.size(), 3u);
    EXPECT_EQ(h.boxes.shown[2].text, "Cannot create file " + h.file("a4.pvd") + "\nIs a directory");
    EXPECT_EQ(h.read("a3.pvd"), a3); // the pair is written together or not at all
    ASSERT_EQ(h.st.RecordList.count(), 2);
    EXPECT_EQ(h.recordslide.position(), h.st.currentIndex);
    EXPECT_EQ(h.nameedit.value, h.name(h.st.currentIndex));
    h.run([&] { FormClose(h.st); });
    EXPECT_EQ(h.name(0), "Bongo");
    EXPECT_EQ(h.name(1), "Chops");
}

// ---- search ----

struct Searching : Collection {
    Searching()
        : Collection({rec("AAAAAAAA", "Bongo", "4050"), rec("BBBBBBBB", "Teddy Bear", "AB1"),
                      rec("CCCCCCCC", "Bear Two", "40"), rec("DDDDDDDD", "\xc9lan", "")})
    {
    }
    void search(const std::string& text, int kind)
    {
        windows.searchAnswer = std::make_pair(text, kind);
        run([&] { searchbuttonClick(st); });
    }
};

struct SearchCase {
    const char* text;
    int kind;
    int found; // -1: not found
};

class SearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindsTheFirstFittingRecord)
{
    Searching h;
    const auto& c = GetParam();
    h.search(c.text, c.kind);
    if (c.found < 0) {
        ASSERT_EQ(h.boxes.shown.size(), 1u);
        EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Information);
        EXPECT_EQ(h.boxes.shown[0].text, std::string("Sorry, ") + c.text + " wasn't found.");
        EXPECT_EQ(h.st.currentIndex, 0);
    } else {
        EXPECT_TRUE(h.boxes.shown.empty());
        EXPECT_EQ(h.st.currentIndex, c.found);
        EXPECT_EQ(h.recordslide.position(), c.found);
    }
    EXPECT_EQ(h.recordslide.focusCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchTest,
                         ::testing::Values(SearchCase{"bear", 1, 1}, SearchCase{"BEAR T", 1, 2},
                                           SearchCase{"", 1, -1}, SearchCase{"\xe9lan", 1, -1},
                                           SearchCase{"\xc9LAN", 1, 3}, SearchCase{"Nobody", 1, -1},
                                           SearchCase{"40", 2, 2}, SearchCase{"ab1", 2, 1},
                                           SearchCase{"405", 2, -1}, SearchCase{"", 2, 3}));

TEST(Search, StartsFromTheFirstRecordEveryTime)
{
    Searching h;
    h.search("bear", 1);
    h.search("bear", 1);
    EXPECT_EQ(h.st.currentIndex, 1);
}

TEST(Search, TheMoveStoresTheRecordLeft)
{
    Searching h;
    h.styleedit.value = "changed";
    h.search("two", 1);
    EXPECT_EQ(h.st.currentIndex, 2);
    EXPECT_EQ(splitField(h.st.RecordList.at(0), FStyle), "changed");
}

TEST(Search, FindingTheShownRecordChangesNothing)
{
    Searching h;
    h.styleedit.value = "unsaved";
    h.search("bongo", 1);
    EXPECT_EQ(h.styleedit.value, "unsaved");
    EXPECT_EQ(splitField(h.st.RecordList.at(0), FStyle), "4050");
}

TEST(Search, CancelSearchesNothingAndFocusesTheSlider)
{
    Searching h;
    h.windows.searchAnswer.reset();
    h.run([&] { searchbuttonClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.recordslide.focusCount, 1);
    EXPECT_EQ(h.windows.shown.back(), "finder");
}

TEST(Search, AnEmptyCollectionFindsNothing)
{
    Harness h;
    h.start();
    h.windows.searchAnswer = std::make_pair(std::string("x"), 2);
    h.run([&] { searchbuttonClick(h.st); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "Sorry, x wasn't found.");
}

} // namespace
} // namespace bw
