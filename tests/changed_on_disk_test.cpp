// A data file changed by something else while the program runs is not
// overwritten without asking; No keeps both the file and the lists.
#include <gtest/gtest.h>

#include <functional>

#include "app/collectionfiles.h"
#include "editing/addfind.h"
#include "editing/picklists.h"
#include "editing/savedelete.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::Harness;

const std::string kRecords = "AAAAAAAA|Bongo||||||1.00|0.00|2.00|0|0|0|0|0|\r\n"
                             "BBBBBBBB|Spot||||||1.00|0.00|2.00|0|0|0|0|0|\r\n";
const std::string kNotes = "AAAAAAAA|soft\r\n";
const std::string kEntries = "1|Mine\r\n";
const std::string kExternal = "CCCCCCCC|From the other machine||||||||||0|0|0|0|0|0|\r\n";

struct Command {
    const char* name;
    const char* file;    // the file changed on disk
    int questionsBefore; // the command's own questions, answered Yes
    std::function<void(Harness&)> run;
};

void startCollection(Harness& h)
{
    h.write("a3.pvd", kRecords);
    h.write("a4.pvd", kNotes);
    h.write("a1.pvd", kEntries);
    h.start();
}

const Command kCommands[] = {
    {"add", "a3.pvd", 0, [](Harness& h) { h.run([&] { addbuttonClick(h.st); }); }},
    // The text in the name box is the new record's name, not an edit.
    {"add by name", "a3.pvd", 0, [](Harness& h) { h.run([&] { nameeditKeyUp(h.st, 13); }); }},
    {"save", "a4.pvd", 0, [](Harness& h) { h.run([&] { savebuttClick(h.st); }); }},
    {"delete", "a3.pvd", 1, [](Harness& h) { h.run([&] { deletebuttonClick(h.st); }); }},
    {"close", "a4.pvd", 0, [](Harness& h) { h.close(); }},
    {"pick list entry", "a1.pvd", 1,
     [](Harness& h) {
         h.mfglist.type("Handmade");
         h.run([&] { mfglistKeyUp(h.st, 13); });
     }},
};

struct Case {
    const Command* command;
    Answer answer;
};

class ChangedOnDiskTest : public ::testing::TestWithParam<Case> {};

TEST_P(ChangedOnDiskTest, AsksBeforeOverwritingAndNoKeepsBothSides)
{
    const Command& c = *GetParam().command;
    const Answer answer = GetParam().answer;
    Harness h;
    startCollection(h);
    h.nameedit.value = "Bongo edited";
    h.write(c.file, kExternal);
    const auto records = h.st.RecordList.lines();
    const auto notes = h.st.NoteList.lines();
    const auto entries = h.st.EntryList.lines();
    for (int i = 0; i < c.questionsBefore; ++i)
        h.boxes.answer(Answer::Yes);
    h.boxes.answer(answer);

    c.run(h);

    ASSERT_EQ(h.boxes.shown.size(), static_cast<std::size_t>(c.questionsBefore + 1)) << c.name;
    const test::ShownBox& asked = h.boxes.shown.back();
    EXPECT_EQ(asked.kind, MsgKind::Confirm);
    EXPECT_EQ(asked.buttons, MsgButtons::YesNoDefaultNo);
    EXPECT_EQ(asked.text, "The file " + h.file(c.file) +
                              " was changed by another program since Bindlewick last read or wrote it.\n"
                              "Overwrite it?");
    if (answer == Answer::No) {
        EXPECT_EQ(h.read(c.file), kExternal) << c.name;
        EXPECT_EQ(h.read("a3.pvd") == kRecords, std::string(c.file) != "a3.pvd") << c.name;
        EXPECT_EQ(h.st.RecordList.lines(), records) << c.name;
        EXPECT_EQ(h.st.NoteList.lines(), notes) << c.name;
        EXPECT_EQ(h.st.EntryList.lines(), entries) << c.name;
        EXPECT_EQ(h.mfglist.count(), 8) << c.name;
        // The edit in the window waits for the next store.
        EXPECT_EQ(h.nameedit.value, "Bongo edited") << c.name;
    } else {
        EXPECT_NE(h.read(c.file), kExternal) << c.name;
        // Once overwritten, the file is this run's again: no second question.
        h.boxes.shown.clear();
        h.close();
        EXPECT_TRUE(h.boxes.shown.empty()) << c.name;
    }
}

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (const Command& c : kCommands)
        for (Answer a : {Answer::Yes, Answer::No})
            cases.push_back({&c, a});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Commands, ChangedOnDiskTest, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string n = info.param.command->name;
                             for (char& ch : n)
                                 if (ch == ' ')
                                     ch = '_';
                             return n + (info.param.answer == Answer::Yes ? "_Yes" : "_No");
                         });

TEST(ChangedOnDisk, AFileReplacedWithTheSameSizeAndTimeIsStillNoticed)
{
    Harness h;
    startCollection(h);
    // A restore that puts another file of the same length and time in place.
    const std::string other = h.file("other");
    std::string same = kRecords;
    same[0] = 'Z';
    test::writeFile(other, same);
    const auto before = std::filesystem::last_write_time(h.file("a3.pvd"));
    std::filesystem::last_write_time(other, before);
    std::filesystem::rename(other, h.file("a3.pvd"));
    h.boxes.answer(Answer::No);
    h.run([&] { savebuttClick(h.st); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Confirm);
    EXPECT_EQ(h.read("a3.pvd"), same);
}

TEST(ChangedOnDisk, AFileThatAppearedWhereNoneWasCountsAsChanged)
{
    Harness h;
    h.start();
    h.write("a3.pvd", kExternal);
    h.boxes.answer(Answer::No);
    h.nameedit.value = "Bongo";
    h.run([&] { nameeditKeyUp(h.st, 13); });
    EXPECT_EQ(h.read("a3.pvd"), kExternal);
    EXPECT_TRUE(h.st.RecordList.empty());
    EXPECT_EQ(h.nameedit.value, "Bongo"); // still there to try again
}

TEST(ChangedOnDisk, TheProgramsOwnWritesAreNotChanges)
{
    Harness h;
    startCollection(h);
    h.run([&] { addbuttonClick(h.st); });
    h.run([&] { savebuttClick(h.st); });
    h.mfglist.type("Handmade");
    h.boxes.answer(Answer::Yes);
    h.run([&] { mfglistKeyUp(h.st, 13); });
    h.mfglist.type("Boxed");
    h.boxes.answer(Answer::Yes);
    h.run([&] { mfglistKeyUp(h.st, 13); });
    h.close();
    // Only the two "Would you like to add" questions.
    EXPECT_EQ(h.boxes.shown.size(), 2u);
}

} // namespace
} // namespace bw
