// Nothing from outside the program corrupts or hides the collection: texts
// that would split a line, a pick-list file that could not be read, several
// files that could not be read at start-up.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "editing/picklists.h"
#include "editing/savedelete.h"
#include "platform/atomicfile.h"
#include "platform/fieldtext.h"
#include "tests/harness.h"

using namespace std::string_literals;

namespace bw {
namespace {

using test::Harness;

struct GateCase {
    const char* in;
    const char* oneLine;
    const char* lines;
};

class FieldTextTest : public ::testing::TestWithParam<GateCase> {};

TEST_P(FieldTextTest, NothingSplitsALineOrAField)
{
    const auto& c = GetParam();
    EXPECT_EQ(asFieldText(c.in, FieldShape::OneLine), c.oneLine);
    EXPECT_EQ(asFieldText(c.in, FieldShape::Lines), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldTextTest,
    ::testing::Values(GateCase{"Bongo", "Bongo", "Bongo"}, GateCase{"Bongo\r\n", "Bongo", "Bongo\n"},
                      GateCase{"two\nlines", "two lines", "two\nlines"},
                      GateCase{"a\r\n\r\nb", "a b", "a\n\nb"}, GateCase{"a\rb", "a b", "a\nb"},
                      GateCase{"\n\nlead", "lead", "\n\nlead"}, GateCase{"a|b|", "ab", "ab"},
                      GateCase{"x\vy\fz", "x y z", "x\ny\nz"},
                      GateCase{"tab\there", "tab\there", "tab\there"},
                      GateCase{"bell\x07x", "bellx", "bellx"},
                      GateCase{"caf\xE9 \x80", "caf\xE9 \x80", "caf\xE9 \x80"}));

TEST(FieldText, SaysWhatItChanged)
{
    const FieldText t = checkFieldText("a|b\nc\x01", FieldShape::OneLine);
    EXPECT_TRUE(t.bars);
    EXPECT_TRUE(t.lineBreaks);
    EXPECT_TRUE(t.controls);
    EXPECT_FALSE(checkFieldText("plain", FieldShape::OneLine).changed());
    // The part before the cursor keeps the blank its break becomes.
    EXPECT_EQ(checkFieldText("ab\n", FieldShape::OneLine, true).text, "ab ");
}

// Whatever a control hands over, every line written reads back as the same
// records, notes and entries.
TEST(HostileTexts, EveryFileReadsBackAsWritten)
{
    const std::vector<std::string> hostile = {
        "two\r\nlines", "cr\ronly",  "lf\nonly", "bar|in|it", "nul\0in"s, std::string(10000, 'x') + "\n", "|",
        "\r\n",         "trailing\n"};
    for (const std::string& text : hostile) {
        Harness h;
        h.startWith({"AbcDefGh|Bear|||||||||0|0|0|0|0|0"}, {"AbcDefGh|note"});
        for (test::FakeEdit* e : {&h.nameedit, &h.styleedit, &h.buyedit, &h.selledit, &h.valedit})
            e->value = text;
        h.memo.type({text, "second " + text});
        h.mfglist.type(text);
        h.boxes.answer(Answer::Yes);
        h.run([&] { mfglistKeyUp(h.st, 13); });
        h.close();

        StringList records, notes, entries;
        loadListFile(records, h.root(), "a3.pvd");
        loadListFile(notes, h.root(), "a4.pvd");
        loadListFile(entries, h.root(), "a1.pvd");
        ASSERT_EQ(records.count(), 1) << text;
        EXPECT_EQ(std::count(records.at(0).begin(), records.at(0).end(), '|'), 15) << text;
        EXPECT_EQ(splitField(records.at(0), FName), asFieldText(text));
        ASSERT_EQ(notes.count(), 2) << text;
        for (const std::string& n : notes.lines())
            EXPECT_EQ(std::count(n.begin(), n.end(), '|'), 1) << text;
        ASSERT_EQ(entries.count(), 1) << text;
        EXPECT_EQ(entries.at(0), "1|" + asFieldText(text));
    }
}

TEST(UnreadEntries, StoredPositionsAreKeptUnlessTheUserPicks)
{
    Harness h;
    h.write("a1.pvd", "1|Gund\r\n2|Sixth\r\n");
    failReadsOf(h.root() / "a1.pvd");
    h.startWith({"AbcDefGh|Bear|||||||||7|6|2|0|0|", "BbcDefGh|Bo|||||||||7|6|0|0|0|"});
    failReadsOf(Path());
    ASSERT_EQ(h.boxes.texts(),
              std::vector<std::string>{"Cannot open file " + h.file("a1.pvd") + "\nInput/output error"});
    EXPECT_EQ(h.mfglist.itemIndex(), -1);
    h.moveTo(1);
    h.genlist.setItemIndex(3); // the user picks an entry of this list
    h.moveTo(0);
    h.close();
    EXPECT_EQ(h.read("a3.pvd"), "AbcDefGh|Bear||||||0.00|0.00|0.00|7|6|2|0|0|\r\n"
                                "BbcDefGh|Bo||||||0.00|0.00|0.00|7|3|0|0|0|\r\n");
}

TEST(UnreadEntries, AddingAnEntryIsRefusedWithAReason)
{
    Harness h;
    h.write("a1.pvd", "1|Gund\r\n");
    failReadsOf(h.root() / "a1.pvd");
    h.startWith({"AbcDefGh|Bear|||||||||0|0|0|0|0|"});
    failReadsOf(Path());
    h.boxes.shown.clear();
    h.mfglist.type("Steiff");
    h.run([&] { mfglistKeyUp(h.st, 13); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Warning);
    EXPECT_NE(h.boxes.shown[0].text.find("a1.pvd"), std::string::npos);
    EXPECT_EQ(h.mfglist.count(), 7);
    EXPECT_EQ(h.mfglist.text(), "Ty");
    EXPECT_TRUE(h.st.EntryList.empty());
    EXPECT_EQ(h.read("a1.pvd"), "1|Gund\r\n");
}

TEST(StartUp, EveryFileThatCouldNotBeReadIsNamedInOneBox)
{
    Harness h;
    h.write("a3.pvd", "AbcDefGh|Bear|||||||||0|0|0|0|0|\r\n");
    std::filesystem::create_directory(h.file("a1.pvd"));
    std::filesystem::create_directory(h.file("a4.pvd"));
    std::filesystem::create_directory(h.file("bindle.ini"));
    h.start();
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Error);
    // Each with the system's reason beneath it.
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot open file " + h.file("bindle.ini") +
                                         "\nIs a directory\nCannot open file " + h.file("a1.pvd") +
                                         "\nIs a directory\nCannot open file " + h.file("a4.pvd") +
                                         "\nIs a directory");
    // What could be read is on screen.
    EXPECT_EQ(h.nameedit.value, "Bear");
}

} // namespace
} // namespace bw
