// Writes that cannot be done say why, leave the old file whole and leave no
// new file behind; files the user protected are not replaced.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/collectionfiles.h"
#include "editing/savedelete.h"
#include "platform/atomicfile.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::Harness;
namespace fs = std::filesystem;

const std::string kRecords = "AAAAAAAA|Bongo||||||1.00|0.00|2.00|0|0|0|0|0|\r\n";

// Regular files beside the data files that are neither data nor the user's.
std::vector<std::string> strayFiles(const std::string& dir)
{
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string n = e.path().filename().string();
        if (e.is_regular_file() && n != "a1.pvd" && n != "a3.pvd" && n != "a4.pvd")
            out.push_back(n);
    }
    return out;
}

TEST(WriteFailures, AProtectedFileIsNotReplaced)
{
    Harness h;
    h.write("a3.pvd", kRecords);
    h.start();
    ::chmod(h.file("a3.pvd").c_str(), 0444);
    h.nameedit.value = "Changed";
    h.run([&] { savebuttClick(h.st); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].kind, MsgKind::Error);
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot create file " + h.file("a3.pvd") + "\nPermission denied");
    EXPECT_EQ(h.read("a3.pvd"), kRecords);
    EXPECT_EQ(fs::status(h.file("a3.pvd")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Nothing half-done: neither file written, no new file left.
    EXPECT_FALSE(h.exists("a4.pvd"));
    EXPECT_TRUE(strayFiles(h.dir.path).empty());
}

TEST(WriteFailures, ADanglingLinkIsAFileThatCannotBeReadNotAnEmptyCollection)
{
    Harness h;
    fs::create_symlink(h.file("elsewhere/a3.pvd"), h.file("a3.pvd"));
    h.start();
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot open file " + h.file("a3.pvd") + "\nNo such file or directory");
    h.boxes.shown.clear();
    h.close();
    EXPECT_TRUE(fs::is_symlink(h.file("a3.pvd")));
    EXPECT_FALSE(fs::exists(h.file("a3.pvd")));
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text,
              "Cannot create file " + h.file("a3.pvd") +
                  "\nIt could not be read when Bindlewick started, so it is left as it is.");
}

TEST(WriteFailures, ALinkThatBreaksWhileRunningIsNotReplacedByAFile)
{
    Harness h;
    fs::create_directory(h.file("real"));
    h.write("real/a3.pvd", kRecords);
    fs::create_symlink(h.file("real/a3.pvd"), h.file("a3.pvd"));
    h.start();
    fs::remove_all(h.file("real")); // the drive it points to went away
    h.boxes.answer(Answer::Yes);    // its disappearance is a change on disk
    h.run([&] { savebuttClick(h.st); });
    ASSERT_FALSE(h.boxes.shown.empty());
    EXPECT_EQ(h.boxes.shown.back().text,
              "Cannot create file " + h.file("a3.pvd") + "\nNo such file or directory");
    EXPECT_TRUE(fs::is_symlink(h.file("a3.pvd")));
}

TEST(WriteFailures, AFolderNamedLikeANewFileDoesNotBlockTheSave)
{
    Harness h;
    h.write("a3.pvd", kRecords);
    for (const char* name : {"a3.pvd.new~", "a4.pvd.new~", ".a3.pvd.AAAAAA.new~"})
        fs::create_directory(h.file(name));
    h.start();
    h.nameedit.value = "Saved";
    h.run([&] { savebuttClick(h.st); });
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_NE(h.read("a3.pvd").find("|Saved|"), std::string::npos);
    // The folders are the user's: start-up leaves them.
    EXPECT_TRUE(fs::is_directory(h.file(".a3.pvd.AAAAAA.new~")));
    EXPECT_TRUE(strayFiles(h.dir.path).empty());
}

TEST(WriteFailures, NewFilesLeftByAKilledRunAreRemovedAtTheNextStart)
{
    Harness h;
    h.write("a3.pvd", kRecords);
    h.write(".a3.pvd.Xy12Zq.new~", "half");
    h.write(".a4.pvd.000000.new~", "half");
    h.write("a1.pvd.new~", "half"); // the fixed name earlier versions used
    h.write(".a3.pvd.mine", "the user's");
    h.start();
    EXPECT_EQ(strayFiles(h.dir.path), std::vector<std::string>{".a3.pvd.mine"});
}

TEST(WriteFailures, AWriteFailingPartWayRemovesItsNewFile)
{
    Harness h;
    h.write("a3.pvd", kRecords);
    h.start();
    failWritesAfterBytes(5);
    h.run([&] { savebuttClick(h.st); });
    failWritesAfterBytes(std::nullopt);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot create file " + h.file("a3.pvd") + "\nNo space left on device");
    EXPECT_EQ(h.read("a3.pvd"), kRecords);
    EXPECT_TRUE(strayFiles(h.dir.path).empty());
}

// A small file system of its own, where the test may mount one (root);
// otherwise the tests below use the injected failing write.
class SmallDisk {
public:
    explicit SmallDisk(const std::string& dir) : dir_(dir)
    {
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(dir_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly()
    {
        return ::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    std::string dir_;
    bool mounted_ = false;
};

TEST(WriteFailures, AFullDiskSaysSoAndKeepsTheOldFiles)
{
    Harness h;
    SmallDisk disk(h.dir.path);
    h.write("a3.pvd", kRecords);
    h.write("a4.pvd", "AAAAAAAA|note\r\n");
    h.start();
    // Notes far larger than the small disk.
    std::vector<std::string> memo(4000, std::string(40, 'n'));
    h.memo.type(memo);
    if (!disk.mounted())
        failWritesAfterBytes(1000);
    h.run([&] { savebuttClick(h.st); });
    failWritesAfterBytes(std::nullopt);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot create file " + h.file("a4.pvd") + "\nNo space left on device");
    EXPECT_EQ(h.read("a3.pvd"), kRecords);
    EXPECT_EQ(h.read("a4.pvd"), "AAAAAAAA|note\r\n");
    EXPECT_TRUE(strayFiles(h.dir.path).empty());
}

TEST(WriteFailures, AReadOnlyFileSystemSaysSo)
{
    Harness h;
    SmallDisk disk(h.dir.path);
    if (!disk.mounted())
        GTEST_SKIP() << "no file system of its own can be mounted here";
    h.write("a3.pvd", kRecords);
    h.start();
    ASSERT_TRUE(disk.makeReadOnly());
    h.run([&] { savebuttClick(h.st); });
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_EQ(h.boxes.shown[0].text, "Cannot create file " + h.file("a3.pvd") + "\nRead-only file system");
    EXPECT_EQ(h.read("a3.pvd"), kRecords);
}

} // namespace
} // namespace bw
