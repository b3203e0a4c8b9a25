#include <gtest/gtest.h>

#include <set>

#include "platform/atomicfile.h"
#include "store/files.h"
#include "store/record.h"
#include "tests/harness.h"

namespace bw {
namespace {

struct SplitCase {
    const char* line;
    int field;
    const char* expected;
};

class SplitFieldTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFieldTest, Splits)
{
    const auto& c = GetParam();
    EXPECT_EQ(splitField(c.line, c.field), c.expected) << c.line << " field " << c.field;
}

INSTANTIATE_TEST_SUITE_P(Cases, SplitFieldTest,
                         ::testing::Values(SplitCase{"a|b|", 0, "a"}, SplitCase{"a|b|", 1, "b"},
                                           SplitCase{"a|b|", 2, ""}, SplitCase{"abc", 0, "abc"},
                                           SplitCase{"abc", 1, ""}, SplitCase{"|x", 0, ""},
                                           SplitCase{"|x", 1, "x"}, SplitCase{"", 0, ""},
                                           SplitCase{"AbcDefGh|one|two", 1, "one"},
                                           SplitCase{"AbcDefGh||||||||||0|0|0|0|0|0|", 9, ""},
                                           SplitCase{"AbcDefGh||||||||||0|0|0|0|0|0|", 10, "0"},
                                           SplitCase{"AbcDefGh||||||||||0|0|0|0|0|0|", 15, "0"},
                                           SplitCase{"AbcDefGh||||||||||0|0|0|0|0|0|", 16, ""}));

TEST(Store, LongFieldIsReturnedWhole)
{
    const std::string longName(1000, 'x');
    EXPECT_EQ(splitField("k|" + longName + "|s", 1), longName);
}

TEST(Store, FieldsPastTheThirtiethAreUnreachable)
{
    std::string line;
    for (int i = 0; i < 40; ++i)
        line += std::to_string(i) + "|";
    EXPECT_EQ(splitField(line, 29), "29");
    EXPECT_EQ(splitField(line, 30), "");
}

TEST(Store, GetFieldOutsideTheListRaisesTheListError)
{
    StringList list;
    list.add("a|b");
    EXPECT_EQ(getField(list, 0, 1), "b");
    try {
        getField(list, 3, 0);
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (3)");
    }
}

TEST(Store, NewRecordLine)
{
    EXPECT_EQ(newRecordLine("AbcDefGh"), "AbcDefGh||||||||||0|0|0|0|0|0|");
}

TEST(Store, KeysAreEightLettersAndUniqueInTheList)
{
    KeyGenerator gen(7u);
    StringList records;
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        const std::string key = gen.makeRecordKey(records);
        ASSERT_EQ(key.size(), 8u);
        for (char c : key)
            ASSERT_TRUE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << key;
        ASSERT_TRUE(seen.insert(key).second);
        records.add(newRecordLine(key));
    }
}

TEST(Store, KeyInUseIsDrawnAgain)
{
    // Two generators with one seed draw the same first key; the list already
    // holds it, so the second draw must differ.
    KeyGenerator a(99u), b(99u);
    StringList records;
    records.add(newRecordLine(a.drawKey()));
    const std::string key = b.makeRecordKey(records);
    EXPECT_NE(key, splitField(records.at(0), 0));
}

TEST(Store, LineEndingsOnReadingAndWriting)
{
    test::TempDir dir;
    test::writeFile(dir.path + "/a3.pvd", "one\r\ntwo\rthree\nfour");
    StringList list;
    loadListFile(list, dir.root(), "a3.pvd");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"one", "two", "three", "four"}));
    saveListFile(list, dir.root(), "a3.pvd");
    EXPECT_EQ(test::readFile(dir.path + "/a3.pvd"), "one\r\ntwo\r\nthree\r\nfour\r\n");
}

TEST(Store, BytesAreNotConverted)
{
    test::TempDir dir;
    const std::string bytes = "Caf\xe9|\x80uro\r\n";
    test::writeFile(dir.path + "/a4.pvd", bytes);
    StringList list;
    loadListFile(list, dir.root(), "a4.pvd");
    EXPECT_EQ(list.at(0), "Caf\xe9|\x80uro");
    saveListFile(list, dir.root(), "a4.pvd");
    EXPECT_EQ(test::readFile(dir.path + "/a4.pvd"), bytes);
}

TEST(Store, MissingFileLeavesTheListAsItWas)
{
    test::TempDir dir;
    StringList list;
    list.add("kept");
    loadListFile(list, dir.root(), "a1.pvd");
    EXPECT_EQ(list.lines(), std::vector<std::string>{"kept"});
}

TEST(Store, EmptyListSavesAnEmptyFile)
{
    test::TempDir dir;
    StringList list;
    saveListFile(list, dir.root(), "a4.pvd");
    EXPECT_EQ(test::readFile(dir.path + "/a4.pvd"), "");
}

TEST(Store, FailedWriteLeavesTheOldFileWholeAndReportsIt)
{
    test::TempDir dir;
    test::writeFile(dir.path + "/a3.pvd", "old\r\n");
    StringList list;
    for (int i = 0; i < 100; ++i)
        list.add("record line " + std::to_string(i));
    failWritesAfterBytes(10);
    try {
        saveListFile(list, dir.root(), "a3.pvd");
        failWritesAfterBytes(std::nullopt);
        FAIL() << "no error";
    } catch (const PlatformError& e) {
        failWritesAfterBytes(std::nullopt);
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.path + "/a3.pvd");
    }
    EXPECT_EQ(test::readFile(dir.path + "/a3.pvd"), "old\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path + "/a3.pvd.new~"));
}

TEST(Store, SavingKeepsPermissionsAndWritesThroughALink)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path + "/real");
    test::writeFile(dir.path + "/real/a3.pvd", "old\r\n");
    std::filesystem::permissions(dir.path + "/real/a3.pvd",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(dir.path + "/real/a3.pvd", dir.path + "/a3.pvd");
    StringList list;
    list.add("new");
    saveListFile(list, dir.root(), "a3.pvd");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path + "/a3.pvd"));
    EXPECT_EQ(test::readFile(dir.path + "/real/a3.pvd"), "new\r\n");
    EXPECT_EQ(std::filesystem::status(dir.path + "/real/a3.pvd").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(Store, UnwritableFolderReportsCannotCreate)
{
    StringList list;
    list.add("x");
    EXPECT_THROW(saveListFile(list, Path::fromNative("/nonexistent-folder-for-bindlewick"), "a3.pvd"),
                 PlatformError);
}

TEST(Store, ExistingButUnreadableFileReportsCannotOpen)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path + "/a3.pvd"); // exists, cannot be read as a file
    StringList list;
    EXPECT_THROW(list.loadFromFile(dir.root() / "a3.pvd"), PlatformError);
}

struct IniCase {
    const char* content; // nullptr: no file
    DateOrder expected;
};

class DateOrderTest : public ::testing::TestWithParam<IniCase> {};

TEST_P(DateOrderTest, FirstLineDecides)
{
    test::TempDir dir;
    if (GetParam().content)
        test::writeFile(dir.path + "/bindle.ini", GetParam().content);
    EXPECT_EQ(readDateOrder(dir.root()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateOrderTest,
    ::testing::Values(IniCase{nullptr, DateOrder::MonthFirst}, IniCase{"", DateOrder::MonthFirst},
                      IniCase{"USA\r\n", DateOrder::MonthFirst}, IniCase{"usa", DateOrder::MonthFirst},
                      IniCase{"USA\nUK\n", DateOrder::MonthFirst}, IniCase{" USA", DateOrder::DayFirst},
                      IniCase{"USA ", DateOrder::DayFirst}, IniCase{"Usa.", DateOrder::DayFirst},
                      IniCase{"UK", DateOrder::DayFirst}));

TEST(Store, AppDirIsTheProgramFolder)
{
    const Path dir = appDirFromProgramPath(Path::fromNative("/home/me/Bindlewick/bindlewick"));
    EXPECT_EQ(dir.native(), "/home/me/Bindlewick");
    EXPECT_EQ(dataFilePath(dir, "a3.pvd").native(), "/home/me/Bindlewick/a3.pvd");
}

} // namespace
} // namespace bw
