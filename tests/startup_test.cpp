#include <gtest/gtest.h>

#include "editing/addfind.h"
#include "editing/picklists.h"
#include "platform/atomicfile.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::Harness;

std::string records(int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "Key" + std::string(5, static_cast<char>('a' + i)) + "|Bear " + std::to_string(i) + "|40" +
             std::to_string(i) + "|||||1.00|0.00|2.00|0|0|0|0|0|\r\n";
    return s;
}

// Why a data file that could not be read is not written.
const std::string kUnreadReason = "\nIt could not be read when Bindlewick started, so it is left as it is.";

TEST(Startup, WithoutRecordsShowsTheNoRecordsState)
{
    Harness h;
    h.start();
    EXPECT_EQ(h.rlabel.value, "No Records.");
    EXPECT_EQ(h.recordslide.min(), 0);
    EXPECT_EQ(h.recordslide.max(), 0);
    EXPECT_EQ(h.bdayedit.value, "03121998");
    EXPECT_TRUE(h.st.RecordList.empty());
    EXPECT_FALSE(h.st.trackNoteEdits);
    EXPECT_TRUE(h.boxes.shown.empty());
    // The facts window comes first, for the program's own folder.
    ASSERT_EQ(h.windows.shown.size(), 1u);
    EXPECT_EQ(h.windows.shown[0], "didyano:" + h.dir.path);
    // The money edits keep their design texts.
    EXPECT_EQ(h.buyedit.value, "buyedit");
}

TEST(Startup, AnEmptyRecordsFileIsTheNoRecordsState)
{
    Harness h;
    h.write("a3.pvd", "");
    h.start();
    EXPECT_EQ(h.rlabel.value, "No Records.");
    EXPECT_EQ(h.recordslide.max(), 0);
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(Startup, TwelveRecordsRangeTheSliderAndShowTheFirst)
{
    Harness h;
    h.write("a3.pvd", records(12));
    h.start();
    EXPECT_EQ(h.rlabel.value, "Record 1 of 12");
    EXPECT_EQ(h.recordslide.min(), 0);
    EXPECT_EQ(h.recordslide.max(), 11);
    EXPECT_EQ(h.recordslide.position(), 0);
    EXPECT_EQ(h.st.currentIndex, 0);
    EXPECT_EQ(h.nameedit.value, "Bear 0");
    EXPECT_TRUE(h.st.trackNoteEdits);
}

TEST(Startup, PickListsHoldBuiltInEntriesThenTheUsersByKind)
{
    Harness h;
    h.write("a1.pvd", "2|Y\r\n1|X\r\n2|Z\r\n9|Nine\r\n0|Zero\r\nabc|Bad\r\n3|Foo|\r\n");
    h.start();
    EXPECT_EQ(h.mfglist.count(), 8);
    EXPECT_EQ(h.mfglist.item(7), "X");
    EXPECT_EQ(h.genlist.count(), 8);
    EXPECT_EQ(h.genlist.item(6), "Y");
    EXPECT_EQ(h.genlist.item(7), "Z");
    EXPECT_EQ(h.condlist1.count(), 7);
    EXPECT_EQ(h.condlist1.item(6), "Foo");
    EXPECT_EQ(h.condlist2.count(), 5);
    EXPECT_EQ(h.condlist3.count(), 5);
    for (auto* list : {&h.mfglist, &h.genlist, &h.condlist1, &h.condlist2, &h.condlist3})
        EXPECT_EQ(list->itemIndex(), 0);
    EXPECT_EQ(h.genlist.item(0), "1 (doesn't open)");
    EXPECT_EQ(h.mfglist.item(5), "Ty (McDonald's Teenie)");
    // Lines that place nothing are kept as they were.
    EXPECT_EQ(h.st.EntryList.count(), 7);
    EXPECT_EQ(h.st.EntryList.at(5), "abc|Bad");
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(Startup, DateOrderComesFromTheSettingsFile)
{
    Harness h;
    h.write("bindle.ini", "UK\r\n");
    h.start();
    EXPECT_EQ(h.st.dateOrder, DateOrder::DayFirst);
    Harness usa;
    usa.start();
    EXPECT_EQ(usa.st.dateOrder, DateOrder::MonthFirst);
}

TEST(Startup, AnUnreadableFileIsShownAndTheWindowWorksWithWhatLoaded)
{
    Harness h;
    h.write("a1.pvd", "1|Mine\r\n");
    std::filesystem::create_directory(h.file("a4.pvd")); // exists but cannot be read
    h.start();
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Error);
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot open file " + h.file("a4.pvd") + "\nIs a directory");
    EXPECT_EQ(h.mfglist.item(7), "Mine");
}

// A file that exists but cannot be read: the rest still loads, and the
// unread file is never overwritten by the list that could not be filled.
class UnreadableAtStartTest : public ::testing::TestWithParam<const char*> {};

TEST_P(UnreadableAtStartTest, TheRestLoadsAndTheFileIsNeverOverwritten)
{
    const std::string unread = GetParam();
    Harness h;
    const std::string a3 = records(2), a4 = "Keyaaaaa|note\r\n", a1 = "1|Mine\r\n", ini = "UK\r\n";
    h.write("a3.pvd", a3);
    h.write("a4.pvd", a4);
    h.write("a1.pvd", a1);
    h.write("bindle.ini", ini);
    failReadsOf(h.root() / unread);
    h.start();
    failReadsOf(Path());
    ASSERT_FALSE(h.boxes.shown.empty());
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot open file " + h.file(unread) + "\nInput/output error");
    if (unread != "a3.pvd") {
        EXPECT_EQ(h.rlabel.value, "Record 1 of 2");
    }
    if (unread != "a1.pvd") {
        EXPECT_EQ(h.mfglist.item(7), "Mine");
    }
    if (unread != "bindle.ini") {
        EXPECT_EQ(h.st.dateOrder, DateOrder::DayFirst);
    }

    h.boxes.shown.clear();
    h.run([&] { addbuttonClick(h.st); });
    h.mfglist.type("Another");
    h.boxes.answer(Answer::Yes);
    h.run([&] { mfglistKeyUp(h.st, 13); });
    h.close();
    EXPECT_EQ(h.read("a3.pvd") == a3, unread == "a3.pvd");
    EXPECT_EQ(h.read("a4.pvd"), a4); // no note was edited
    EXPECT_EQ(h.read("a1.pvd") == a1, unread == "a1.pvd");
    EXPECT_EQ(h.read("bindle.ini"), ini);
    for (const auto& box : h.boxes.shown) {
        if (box.kind == MsgKind::Error) {
            EXPECT_EQ(box.text, "Cannot create file " + h.file(unread) + kUnreadReason);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableAtStartTest,
                         ::testing::Values("bindle.ini", "a1.pvd", "a4.pvd", "a3.pvd"));

TEST(Shutdown, ClosingWritesBothFilesAndLeavesTheEntriesFileAlone)
{
    Harness h;
    h.write("a3.pvd", records(2));
    h.write("a4.pvd", "Keyaaaaa|note\n");
    h.write("a1.pvd", "1|X\r\n");
    const auto before = std::filesystem::last_write_time(h.file("a1.pvd"));
    h.start();
    h.close();
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.read("a4.pvd"), "Keyaaaaa|note\r\n");
    EXPECT_EQ(h.st.RecordList.count(), 2);
    EXPECT_EQ(h.read("a3.pvd").substr(0, 9), "Keyaaaaa|");
    EXPECT_EQ(std::filesystem::last_write_time(h.file("a1.pvd")), before);
    EXPECT_EQ(h.read("a1.pvd"), "1|X\r\n");
}

TEST(Shutdown, AnEditThatWasNeverLeftReachesTheFileWithoutWarnings)
{
    Harness h;
    h.write("a3.pvd", records(2));
    h.start();
    h.nameedit.value = "Renamed";
    h.bdayedit.value = "12251998";
    h.rdayedit.value = "01011990"; // retired before birth: no warning at close
    h.close();
    EXPECT_TRUE(h.boxes.shown.empty());
    const std::string a3 = h.read("a3.pvd");
    EXPECT_NE(a3.find("Keyaaaaa|Renamed|400|12251998|01011990|"), std::string::npos) << a3;
}

TEST(Shutdown, NotesTypedIntoTheShownRecordAreKept)
{
    Harness h;
    h.write("a3.pvd", records(1));
    h.start();
    h.memo.type({"typed at the end"});
    h.close();
    EXPECT_EQ(h.read("a4.pvd"), "Keyaaaaa|typed at the end\r\n");
}

TEST(Shutdown, WithNoRecordsBothFilesAreWrittenEmpty)
{
    Harness h;
    h.start();
    h.close();
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_EQ(h.read("a3.pvd"), "");
    EXPECT_EQ(h.read("a4.pvd"), "");
}

TEST(Shutdown, AFailedWriteIsReportedAndTheOldFileStays)
{
    Harness h;
    h.write("a3.pvd", records(1));
    h.start();
    h.nameedit.value = "Changed";
    failWritesAfterBytes(3);
    h.close();
    failWritesAfterBytes(std::nullopt);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot create file " + h.file("a3.pvd") + "\nNo space left on device");
    EXPECT_EQ(h.read("a3.pvd"), records(1));
}

TEST(Help, OpensTheHelpPageInTheProgramFolder)
{
    Harness h;
    h.start();
    h.run([&] { helpbuttonClick(h.st); });
    ASSERT_EQ(h.desktop.opened.size(), 1u);
    EXPECT_EQ(h.desktop.opened[0], h.dir.path + "/docs/wickhelp.htm");
    EXPECT_TRUE(h.boxes.shown.empty());
}

} // namespace
} // namespace bw
