// The backups folder: the first version of each of the last 14 days on which
// a file was written, plus the versions before its last 10 writes.
#include <gtest/gtest.h>

#include <ctime>
#include <set>

#include "app/collectionfiles.h"
#include "editing/savedelete.h"
#include "platform/atomicfile.h"
#include "store/backups.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::Harness;
namespace fs = std::filesystem;
using Clock_ = std::chrono::system_clock;

// Noon, local time, on day d after 1 March 2026, plus h hours.
Clock_::time_point at(int day, int hour)
{
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 2;
    tm.tm_mday = 1 + day;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return Clock_::from_time_t(std::mktime(&tm)) + std::chrono::hours(hour);
}

std::string dayName(int day)
{
    const std::time_t t = Clock_::to_time_t(at(day, 0));
    std::tm tm{};
    ::localtime_r(&t, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
    return buf;
}

struct Writer : Harness {
    Clock_::time_point now;
    Writer()
    {
        st.appDir = root();
        st.clock = [this] { return now; };
    }
    // One save of a3.pvd holding one line.
    void save(const std::string& line, Clock_::time_point when)
    {
        now = when;
        st.RecordList.clear();
        st.RecordList.add(line);
        saveCollection(st);
    }
    std::string backup(const std::string& name) const { return read("backups/" + name); }
};

Path backupFolderOf(const Writer& w)
{
    return w.root() / "backups";
}

TEST(Backups, RotationAcrossDaysKeepsFourteenDaysAndTenWrites)
{
    Writer w;
    w.save("v start", at(-1, 0));
    for (int day = 0; day < 20; ++day)
        for (int hour = 0; hour < 3; ++hour)
            w.save("v " + std::to_string(day) + "." + std::to_string(hour), at(day, hour));

    const auto kept = backupsOf(backupFolderOf(w), "a3.pvd");
    std::vector<std::string> days, writes;
    for (const auto& name : kept)
        (name.size() == std::string("a3.pvd.2026-03-01").size() ? days : writes).push_back(name);
    ASSERT_EQ(days.size(), 14u);
    ASSERT_EQ(writes.size(), 10u);
    // The day's copy is the first version of that day: what the last write of
    // the day before left.
    EXPECT_EQ(days.front(), "a3.pvd." + dayName(6));
    EXPECT_EQ(w.backup(days.front()), "v 5.2\r\n");
    EXPECT_EQ(w.backup("a3.pvd." + dayName(19)), "v 18.2\r\n");
    // The last ten writes, each copy the version that write replaced.
    EXPECT_EQ(w.backup(writes.back()), "v 19.1\r\n");
    EXPECT_EQ(w.backup(writes.front()), "v 16.1\r\n");
    // Notes were written as often, and rotate the same way.
    EXPECT_EQ(backupsOf(backupFolderOf(w), "a4.pvd").size(), 24u);
}

TEST(Backups, SeveralWritesInOneSecondEachKeepTheirCopy)
{
    Writer w;
    for (int i = 0; i < 4; ++i)
        w.save("v" + std::to_string(i), at(0, 0));
    const auto kept = backupsOf(backupFolderOf(w), "a3.pvd");
    // The day's copy and three write copies (v0, v1, v2).
    ASSERT_EQ(kept.size(), 4u);
    std::set<std::string> contents;
    for (const auto& name : kept)
        contents.insert(w.backup(name));
    EXPECT_EQ(contents, (std::set<std::string>{"v0\r\n", "v1\r\n", "v2\r\n"}));
}

TEST(Backups, AFailedWriteKeepsNoCopyAndOthersFilesAreLeftAlone)
{
    Writer w;
    w.save("v0", at(0, 0));
    w.save("v1", at(0, 1));
    w.write("backups/a3.pvd.my own copy", "mine");
    const auto before = backupsOf(backupFolderOf(w), "a3.pvd");
    failWritesAfterBytes(1);
    EXPECT_THROW(w.save("v2", at(0, 2)), PlatformError);
    failWritesAfterBytes(std::nullopt);
    EXPECT_EQ(backupsOf(backupFolderOf(w), "a3.pvd"), before);
    for (int i = 0; i < 30; ++i)
        w.save("v" + std::to_string(i), at(i, 0));
    EXPECT_EQ(w.backup("a3.pvd.my own copy"), "mine");
}

TEST(Backups, ACopyThatCannotBeMadeNeverBlocksTheSaveAndIsToldOnce)
{
    Writer w;
    w.save("v0", at(0, 0));
    fs::remove_all(w.file("backups"));
    w.write("backups", "a file where the folder should be");
    w.save("v1", at(0, 1));
    w.save("v2", at(0, 2));
    EXPECT_EQ(w.read("a3.pvd"), "v2\r\n");
    ASSERT_EQ(w.boxes.shown.size(), 1u);
    EXPECT_EQ(w.boxes.shown[0].kind, MsgKind::Warning);
    EXPECT_EQ(w.boxes.shown[0].text, "A backup copy of " + w.file("a3.pvd") + " could not be kept in " +
                                         w.dir.path +
                                         "/backups. The file is saved all the same.\nNot a directory");
}

TEST(Backups, AFailedSaveDoesNotClaimTheFileWasSaved)
{
    Writer w;
    w.save("v0", at(0, 0));
    fs::remove_all(w.file("backups"));
    w.write("backups", "a file where the folder should be");
    // a4.pvd's place turns into a folder after a3.pvd is replaced.
    betweenRenames([&w] {
        fs::remove(w.file("a4.pvd"));
        fs::create_directories(w.file("a4.pvd") + "/keep");
    });
    w.run([&] { w.save("v1", at(0, 1)); });
    betweenRenames(nullptr);
    ASSERT_EQ(w.boxes.shown.size(), 1u);
    EXPECT_EQ(w.boxes.shown[0].kind, MsgKind::Error);
    EXPECT_EQ(w.boxes.shown[0].text, "Cannot create file " + w.file("a4.pvd") + "\nIs a directory");

    // The next save that succeeds tells of the missing copy, once.
    fs::remove_all(w.file("a4.pvd"));
    w.boxes.answer(Answer::Yes); // a4.pvd changed on disk: overwrite it
    w.boxes.shown.clear();
    w.save("v2", at(0, 2));
    w.save("v3", at(0, 3));
    EXPECT_EQ(w.read("a3.pvd"), "v3\r\n");
    std::vector<std::string> warnings;
    for (const auto& box : w.boxes.shown)
        if (box.kind == MsgKind::Warning)
            warnings.push_back(box.text);
    EXPECT_EQ(warnings, std::vector<std::string>{
                            "A backup copy of " + w.file("a3.pvd") + " could not be kept in " + w.dir.path +
                            "/backups. The file is saved all the same.\nNot a directory"});
}

TEST(Backups, ACopyIsNotTheLiveFile)
{
    // The copies stay as they were whatever later happens to the data file.
    Writer w;
    w.save("v0", at(0, 0));
    w.save("v1", at(0, 1));
    test::writeFile(w.file("a3.pvd"), "edited by hand\r\n");
    const auto kept = backupsOf(backupFolderOf(w), "a3.pvd");
    for (const auto& name : kept)
        EXPECT_EQ(w.backup(name), "v0\r\n") << name;
}

TEST(Backups, AProgramFolderNamedInAnyLettersKeepsThem)
{
    Writer w;
    w.moveInto("Sammlung \xe2\x98\x83 B\xc3\xa4r"); // a snowman: no Windows-1252 letter
    w.st.appDir = w.root();
    w.save("v0", at(0, 0));
    w.save("v1", at(0, 1));
    EXPECT_EQ(backupsOf(backupFolderOf(w), "a3.pvd").size(), 2u);
    EXPECT_EQ(w.backup("a3.pvd." + dayName(0)), "v0\r\n");
}

} // namespace
} // namespace bw
