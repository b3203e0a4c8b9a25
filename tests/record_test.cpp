#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "editing/record.h"
#include "tests/harness.h"

namespace bw {
namespace {

std::string joinFields(std::initializer_list<std::string> fields)
{
    std::string line;
    for (const auto& f : fields) {
        if (&f != fields.begin())
            line += '|';
        line += f;
    }
    return line;
}

// A record with every field set; the picture field is given.
std::string fullRecord(const std::string& key, const std::string& name, const std::string& picture)
{
    return joinFields({key, name, "S-" + key, "12251998", "01012000", "03041999", "05062001", "4.50", "12",
                       "7.25", "1", "2", "3", "4", "0", picture});
}

int countOf(const std::string& text, char c)
{
    return static_cast<int>(std::count(text.begin(), text.end(), c));
}

class RecordTest : public ::testing::Test {
protected:
    test::Harness h;

    void start(const std::vector<std::string>& records, const std::vector<std::string>& notes = {})
    {
        h.startWith(records, notes);
    }
    void show(int index)
    {
        h.st.currentIndex = index;
        h.run([this] { showCurrentRecord(h.st); });
    }
    std::string stored(int index, int field) const { return getField(h.st.RecordList, index, field); }
};

TEST_F(RecordTest, ShowsTheRecordAtCurrentIndex)
{
    std::vector<std::string> records;
    for (int i = 0; i < 10; ++i)
        records.push_back(fullRecord("Key0000" + std::to_string(i), "Bear " + std::to_string(i), "0"));
    start(records, {"Key00002|first", "Key00005|other", "Key00002|", "Key00002|third|cut here"});
    h.hscroll.visible = h.vscroll.visible = true;
    h.beanimg.rect = {3, 4, 50, 60};

    show(2);

    EXPECT_EQ(h.rlabel.value, "Record 3 of 10");
    EXPECT_EQ(h.nameedit.value, "Bear 2");
    EXPECT_EQ(h.styleedit.value, "S-Key00002");
    EXPECT_EQ(h.bdayedit.value, "12251998");
    EXPECT_EQ(h.rdayedit.value, "01012000");
    EXPECT_EQ(h.pdayedit.value, "03041999");
    EXPECT_EQ(h.sdayedit.value, "05062001");
    EXPECT_EQ(h.buyedit.value, "4.50");
    EXPECT_EQ(h.selledit.value, "12");
    EXPECT_EQ(h.valedit.value, "7.25");
    EXPECT_EQ(h.mfglist.index, 1);
    EXPECT_EQ(h.genlist.index, 2);
    EXPECT_EQ(h.condlist1.index, 3);
    EXPECT_EQ(h.condlist2.index, 4);
    EXPECT_EQ(h.condlist3.index, 0);
    EXPECT_EQ(h.memo.value, (std::vector<std::string>{"first", "", "third"}));
    EXPECT_FALSE(h.hscroll.visible);
    EXPECT_FALSE(h.vscroll.visible);
    EXPECT_EQ(h.beanimg.rect, (Rect{0, 0, 10, 10}));
    EXPECT_EQ(h.beanimg.bitmap(), nullptr);
    EXPECT_FALSE(isRecordModified(h.st));
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST_F(RecordTest, EmptyMoneyShowsAsZeroAndCountsAsUnchanged)
{
    start({"AbcDefGh||||||||||0|0|0|0|0|0|"});
    EXPECT_EQ(h.buyedit.value, "0.00");
    EXPECT_EQ(h.selledit.value, "0.00");
    EXPECT_EQ(h.valedit.value, "0.00");
    EXPECT_FALSE(isRecordModified(h.st));

    storeCurrentRecord(h.st);
    EXPECT_EQ(h.st.RecordList.at(0), "AbcDefGh|||||||0.00|0.00|0.00|0|0|0|0|0|");
}

TEST_F(RecordTest, IndexNamingNoEntryLeavesTheListUnselectedAndStoresMinusOne)
{
    start({joinFields({"AbcDefGh", "Bear", "", "", "", "", "", "", "", "", "9", "0", "0", "0", "0", "0"})});
    EXPECT_EQ(h.mfglist.index, -1);
    EXPECT_EQ(h.st.shown.manufacturer, 9);
    EXPECT_TRUE(isRecordModified(h.st));

    storeCurrentRecord(h.st);
    EXPECT_EQ(stored(0, FManufacturer), "-1");
}

// A hand-edited index field must not stop the rest of the record from being
// shown, or the window would keep the previous record's notes and picture
// under this record's index.
TEST_F(RecordTest, IndexThatIsNoNumberIsReportedAfterTheWholeRecordIsShown)
{
    h.write("bean.png", "png");
    h.loader.sizes[h.file("bean.png")] = {40, 30};
    start({fullRecord("GoodGood", "Good", "0"), joinFields({"BadBadBa", "Bad", "", "", "", "", "", "", "", "",
                                                            "1", "x2", "0", " 3", "", "bean.png"})},
          {"GoodGood|good note", "BadBadBa|bad note"});

    show(1);

    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Error);
    EXPECT_EQ(h.boxes.shown[0].text, "'x2' is not a valid integer value");
    EXPECT_EQ(h.nameedit.value, "Bad");
    EXPECT_EQ(h.genlist.index, -1);
    EXPECT_EQ(h.condlist2.index, 3);
    EXPECT_EQ(h.condlist3.index, -1);
    EXPECT_EQ(h.memo.value, std::vector<std::string>{"bad note"});
    EXPECT_EQ(h.st.picturePath.native(), h.file("bean.png"));
    EXPECT_EQ(h.beanimg.rect, (Rect{0, 0, 40, 30}));
    EXPECT_TRUE(h.st.trackNoteEdits);

    h.memo.type({"new bad note"});
    writeBackNotes(h.st);
    storeCurrentRecord(h.st);
    EXPECT_EQ(h.st.RecordList.at(1), "BadBadBa|Bad||||||0.00|0.00|0.00|1|-1|0|3|-1|" + h.file("bean.png"));
    EXPECT_EQ(h.st.RecordList.at(0), fullRecord("GoodGood", "Good", "0"));
    EXPECT_EQ(h.st.NoteList.lines(),
              (std::vector<std::string>{"GoodGood|good note", "BadBadBa|new bad note"}));
}

TEST_F(RecordTest, BarePictureNameIsAFileInTheProgramFolder)
{
    h.write("bean.jpg", "jpeg");
    h.loader.sizes[h.file("bean.jpg")] = {320, 240};
    start({joinFields(
        {"AbcDefGh", "Bear", "", "", "", "", "", "", "", "", "0", "0", "0", "0", "0", "bean.jpg"})});

    EXPECT_EQ(h.st.picturePath.native(), h.dir.path + "/bean.jpg");
    EXPECT_EQ(h.loader.loaded, std::vector<std::string>{h.dir.path + "/bean.jpg"});
    ASSERT_NE(h.beanimg.bitmap(), nullptr);
    EXPECT_EQ(h.beanimg.rect, (Rect{0, 0, 320, 240}));
    EXPECT_EQ(h.scroll1.calls, (std::vector<std::string>{"v0", "h0"}));
    EXPECT_TRUE(h.boxes.shown.empty());
    // The picture alone makes the record count as changed.
    EXPECT_TRUE(isRecordModified(h.st));

    storeCurrentRecord(h.st);
    EXPECT_EQ(stored(0, FPicture), h.dir.path + "/bean.jpg");
    EXPECT_EQ(countOf(h.st.RecordList.at(0), '|'), 15);
}

TEST_F(RecordTest, FullPathIsTakenAsItStands)
{
    std::filesystem::create_directory(h.file("pics"));
    h.write("pics/gif.gif", "gif");
    start({joinFields({"AbcDefGh", "Bear", "", "", "", "", "", "", "", "", "0", "0", "0", "0", "0",
                       h.file("pics/gif.gif")})});
    EXPECT_EQ(h.st.picturePath.native(), h.file("pics/gif.gif"));
    EXPECT_EQ(h.loader.loaded, std::vector<std::string>{h.file("pics/gif.gif")});
}

struct NoPictureCase {
    const char* field;
};

class NoPictureTest : public RecordTest, public ::testing::WithParamInterface<NoPictureCase> {};

TEST_P(NoPictureTest, ShortPictureFieldIsNoPicture)
{
    // A file by that name exists, so a lookup would find it.
    if (*GetParam().field)
        h.write(GetParam().field, "x");
    start({joinFields(
        {"AbcDefGh", "Bear", "", "", "", "", "", "", "", "", "0", "0", "0", "0", "0", GetParam().field})});
    EXPECT_EQ(h.st.picturePath.native(), "");
    EXPECT_TRUE(h.loader.loaded.empty());
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_FALSE(isRecordModified(h.st));
    storeCurrentRecord(h.st);
    EXPECT_EQ(h.st.RecordList.at(0).back(), '|');
    EXPECT_EQ(stored(0, FPicture), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, NoPictureTest,
                         ::testing::Values(NoPictureCase{"0"}, NoPictureCase{"abc"}, NoPictureCase{""}));

struct MissingPictureCase {
    const char* field; // a bare name or a path of another system
    Answer answer;
    bool keepsPath;
};

class MissingPictureTest : public RecordTest, public ::testing::WithParamInterface<MissingPictureCase> {};

TEST_P(MissingPictureTest, AsksWhetherToDeleteTheReference)
{
    const auto& c = GetParam();
    const std::string line =
        joinFields({"AbcDefGh", "Bear", "", "", "", "", "", "", "", "", "0", "0", "0", "0", "0", c.field});
    h.boxes.answer(c.answer);
    start({line}, {"AbcDefGh|a note"});

    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Confirm);
    EXPECT_EQ(h.boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(h.boxes.shown[0].text,
              "Your picture isn't there any more! Would you like to delete the reference?");
    // The question comes after the fields and notes are on screen.
    EXPECT_EQ(h.nameedit.value, "Bear");
    EXPECT_EQ(h.memo.value, std::vector<std::string>{"a note"});
    EXPECT_TRUE(h.loader.loaded.empty());
    EXPECT_EQ(h.beanimg.rect, (Rect{0, 0, 10, 10}));
    // The line itself changes only when it is stored.
    EXPECT_EQ(h.st.RecordList.at(0), line);

    // Looked for in the program folder, never the current one; a bare name
    // is stored as the full path, another system's path as it was.
    const std::string resolved = h.file(c.field);
    const std::string kept = std::string(c.field).find('\\') == std::string::npos ? resolved : c.field;
    EXPECT_EQ(h.st.picturePath.native(), c.keepsPath ? resolved : "");
    EXPECT_EQ(isRecordModified(h.st), c.keepsPath);
    storeCurrentRecord(h.st);
    EXPECT_EQ(stored(0, FPicture), c.keepsPath ? kept : "");
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingPictureTest,
                         ::testing::Values(MissingPictureCase{"gone.jpg", Answer::Yes, false},
                                           MissingPictureCase{"gone.jpg", Answer::No, true},
                                           MissingPictureCase{"C:\\Beanies\\patti.jpg", Answer::Yes, false},
                                           MissingPictureCase{"C:\\Beanies\\patti.jpg", Answer::No, true}));

// One edit of one control, as a user makes it.
struct EditCase {
    const char* name;
    void (*edit)(test::Harness&);
};

class ModifiedTest : public RecordTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(ModifiedTest, EachControlCountsOnItsOwn)
{
    start({fullRecord("AbcDefGh", "Bear", "0")});
    ASSERT_FALSE(isRecordModified(h.st));
    GetParam().edit(h);
    EXPECT_TRUE(isRecordModified(h.st));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModifiedTest,
    ::testing::Values(
        EditCase{"name", [](test::Harness& h) { h.nameedit.value = "bear"; }},
        EditCase{"style", [](test::Harness& h) { h.styleedit.value += "x"; }},
        EditCase{"birthday", [](test::Harness& h) { h.bdayedit.value = "1225199"; }},
        EditCase{"retired", [](test::Harness& h) { h.rdayedit.value = ""; }},
        EditCase{"purchaseDate", [](test::Harness& h) { h.pdayedit.value = "03041998"; }},
        EditCase{"sellDate", [](test::Harness& h) { h.sdayedit.value = "05062002"; }},
        EditCase{"purchasePrice", [](test::Harness& h) { h.buyedit.value = "4.5"; }},
        EditCase{"sellPrice", [](test::Harness& h) { h.selledit.value = "12.00"; }},
        EditCase{"marketValue", [](test::Harness& h) { h.valedit.value = "7.26"; }},
        EditCase{"manufacturer", [](test::Harness& h) { h.mfglist.setItemIndex(0); }},
        EditCase{"generation", [](test::Harness& h) { h.genlist.setItemIndex(5); }},
        EditCase{"general", [](test::Harness& h) { h.condlist1.setItemIndex(-1); }},
        EditCase{"hangTag", [](test::Harness& h) { h.condlist2.setItemIndex(0); }},
        EditCase{"tushTag", [](test::Harness& h) { h.condlist3.setItemIndex(1); }},
        EditCase{"picture", [](test::Harness& h) { h.st.picturePath = Path::fromNative("/pics/new.jpg"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordTest, EditUndoneAndNotesAndListTextDoNotCount)
{
    start({fullRecord("AbcDefGh", "Bear", "0")});
    h.nameedit.value = "Bearx";
    h.nameedit.value = "Bear";
    h.memo.type({"typed notes"});
    h.mfglist.type("Something new");
    EXPECT_FALSE(isRecordModified(h.st));
    EXPECT_TRUE(h.st.notesChanged);
}

TEST_F(RecordTest, StoreBuildsTheLineFromTheWindow)
{
    start({fullRecord("AbcDefGh", "Bear", "0"), fullRecord("ZzzZzzZz", "Other", "0")});
    h.nameedit.value = "Patti";
    h.styleedit.value = "4025";
    h.bdayedit.value = "01031993";
    h.rdayedit.value = "";
    h.pdayedit.value = "1 2";
    h.sdayedit.value = "02021999";
    h.buyedit.value = "5";
    h.selledit.value = "";
    h.valedit.value = "9.99";
    h.mfglist.setItemIndex(6);
    h.genlist.setItemIndex(-1);
    h.condlist1.setItemIndex(5);
    h.condlist2.setItemIndex(1);
    h.condlist3.setItemIndex(2);

    storeCurrentRecord(h.st);
    EXPECT_EQ(h.st.RecordList.at(0), "AbcDefGh|Patti|4025|01031993||1 2|02021999|5||9.99|6|-1|5|1|2|");
    EXPECT_EQ(h.st.RecordList.at(1), fullRecord("ZzzZzzZz", "Other", "0"));
    // The snapshot still describes what was shown.
    EXPECT_EQ(h.st.shown.name, "Bear");
    EXPECT_TRUE(isRecordModified(h.st));

    h.st.picturePath = Path::fromNative("/home/me/pics/patti.jpg");
    h.st.pictureField = "/home/me/pics/patti.jpg";
    storeCurrentRecord(h.st);
    const std::string line = h.st.RecordList.at(0);
    EXPECT_EQ(countOf(line, '|'), 15);
    EXPECT_EQ(line.substr(line.size() - 24), "|/home/me/pics/patti.jpg");
}

class NotesTest : public RecordTest {
protected:
    void SetUp() override
    {
        // "AbcDefGhX" shares the key as a prefix but is another record's key.
        start({fullRecord("AbcDefGh", "Bear", "0"), fullRecord("ZzzZzzZz", "Other", "0")},
              {"AbcDefGh|old one", "ZzzZzzZz|keep 1", "AbcDefGhX|keep 2", "AbcDefGh|old two",
               "ZzzZzzZz|keep 3", "AbcDefGh"});
    }
    std::vector<std::string> untouched{"ZzzZzzZz|keep 1", "AbcDefGhX|keep 2", "ZzzZzzZz|keep 3"};
};

TEST_F(NotesTest, WriteBackReplacesTheKeysLinesAtTheEnd)
{
    EXPECT_EQ(h.memo.value, (std::vector<std::string>{"old one", "old two", ""}));
    h.memo.type({"first", ""});
    ASSERT_TRUE(h.st.notesChanged);

    writeBackNotes(h.st);

    auto expected = untouched;
    expected.insert(expected.end(), {"AbcDefGh|first", "AbcDefGh|"});
    EXPECT_EQ(h.st.NoteList.lines(), expected);
    EXPECT_FALSE(h.st.notesChanged);
}

TEST_F(NotesTest, EmptiedMemoRemovesAllTheKeysLines)
{
    h.memo.type({});
    writeBackNotes(h.st);
    EXPECT_EQ(h.st.NoteList.lines(), untouched);
}

TEST_F(NotesTest, FillingTheMemoIsNoEdit)
{
    ASSERT_FALSE(h.st.notesChanged);
    show(1);
    EXPECT_EQ(h.memo.value, (std::vector<std::string>{"keep 1", "keep 3"}));
    EXPECT_FALSE(h.st.notesChanged);
    h.memo.type({"typed"});
    EXPECT_TRUE(h.st.notesChanged);
    // Showing a record leaves the flag as it is.
    show(0);
    EXPECT_TRUE(h.st.notesChanged);
}

TEST_F(RecordTest, MemoIsNotTrackedBeforeARecordIsShown)
{
    h.start(); // no a3.pvd: the No records state
    h.memo.type({"typed"});
    EXPECT_FALSE(h.st.notesChanged);
}

// The notes of a record as the list holds them, found the slow way.
std::vector<std::string> notesOf(const StringList& notes, const std::string& key)
{
    std::vector<std::string> texts;
    for (const auto& line : notes.lines())
        if (splitField(line, 0) == key)
            texts.push_back(splitField(line, 1));
    return texts;
}

// Every way another command can change NoteList between two displays.
struct ForeignChange {
    const char* name;
    void (*change)(test::Harness&);
};

class ForeignChangeTest : public NotesTest, public ::testing::WithParamInterface<ForeignChange> {};

TEST_P(ForeignChangeTest, NotesChangedElsewhereShowAtTheNextDisplay)
{
    show(1);
    GetParam().change(h);
    show(0);
    EXPECT_EQ(h.memo.value, notesOf(h.st.NoteList, "AbcDefGh"));
    show(1);
    EXPECT_EQ(h.memo.value, notesOf(h.st.NoteList, "ZzzZzzZz"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForeignChangeTest,
    ::testing::Values(
        ForeignChange{"add", [](test::Harness& h) { h.st.NoteList.add("AbcDefGh|added"); }},
        ForeignChange{"set", [](test::Harness& h) { h.st.NoteList.set(1, "AbcDefGh|was keep 1"); }},
        ForeignChange{"insert", [](test::Harness& h) { h.st.NoteList.insert(0, "ZzzZzzZz|inserted"); }},
        ForeignChange{"remove", [](test::Harness& h) { h.st.NoteList.remove(0); }},
        ForeignChange{"removeIf",
                      [](test::Harness& h) {
                          h.st.NoteList.removeIf(
                              [](const std::string& l) { return l.find("old") != l.npos; });
                      }},
        ForeignChange{"clear", [](test::Harness& h) { h.st.NoteList.clear(); }},
        ForeignChange{"load",
                      [](test::Harness& h) {
                          h.write("a4.pvd", "ZzzZzzZz|from file\r\nAbcDefGh|from file too\r\n");
                          loadListFile(h.st.NoteList, h.st.appDir, "a4.pvd");
                      }},
        ForeignChange{"copy",
                      [](test::Harness& h) {
                          StringList other;
                          other.add("AbcDefGh|copied");
                          h.st.NoteList = other;
                      }},
        ForeignChange{"move",
                      [](test::Harness& h) {
                          StringList other;
                          other.add("ZzzZzzZz|moved");
                          h.st.NoteList = std::move(other);
                      }}),
    [](const auto& info) { return std::string(info.param.name); });

// Write-backs of many records in turn, each followed by displays of others:
// every display must show exactly the record's lines of the list.
TEST_F(RecordTest, NotesStayRightThroughManyWriteBacks)
{
    std::vector<std::string> records, notes;
    const int count = 6;
    for (int i = 0; i < count; ++i) {
        const std::string key = "Key0000" + std::to_string(i);
        records.push_back(fullRecord(key, "Bear " + std::to_string(i), "0"));
        for (int n = 0; n < i; ++n)
            notes.push_back(key + "|note " + std::to_string(n));
    }
    start(records, notes);
    unsigned seed = 1;
    const auto draw = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    for (int round = 0; round < 60; ++round) {
        const int index = static_cast<int>(draw(count));
        show(index);
        const std::string key = "Key0000" + std::to_string(index);
        ASSERT_EQ(h.memo.value, notesOf(h.st.NoteList, key)) << "round " << round;
        std::vector<std::string> typed;
        for (unsigned n = draw(4); n > 0; --n)
            typed.push_back("round " + std::to_string(round) + " line " + std::to_string(n));
        h.memo.type(typed);
        writeBackNotes(h.st);
        ASSERT_EQ(notesOf(h.st.NoteList, key), typed) << "round " << round;
    }
}

} // namespace
} // namespace bw
