// One run per collection, through the real lock file.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "app/collectionlock_qt.h"
#include "tests/harness.h"

namespace bw {
namespace {

using test::FakeMessageBoxes;
using test::TempDir;

TEST(CollectionLock, ASecondRunOnTheSameFolderIsRefusedAndTouchesNothing)
{
    TempDir dir;
    test::writeFile(dir.path + "/a3.pvd", "A|Bongo\r\n");
    FakeMessageBoxes boxes;
    QtCollectionLock first;
    ASSERT_TRUE(takeCollection(first, boxes, dir.root()));
    EXPECT_TRUE(boxes.shown.empty());

    QtCollectionLock second;
    EXPECT_FALSE(takeCollection(second, boxes, dir.root()));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MsgKind::Information);
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.shown[0].text, "Bindlewick is already running with this collection.");
    EXPECT_EQ(test::readFile(dir.path + "/a3.pvd"), "A|Bongo\r\n");

    // Another folder is another collection.
    TempDir other;
    QtCollectionLock third;
    EXPECT_TRUE(takeCollection(third, boxes, other.root()));
}

TEST(CollectionLock, TheFolderIsFreeAgainWhenTheRunEnds)
{
    TempDir dir;
    FakeMessageBoxes boxes;
    {
        QtCollectionLock first;
        ASSERT_TRUE(takeCollection(first, boxes, dir.root()));
    }
    QtCollectionLock later;
    EXPECT_TRUE(takeCollection(later, boxes, dir.root()));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CollectionLock, ALockLeftByAKilledRunNeverStopsALaterStart)
{
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QtCollectionLock held;
        const char answer = held.tryLock(lockFilePath(dir.root())) == LockOutcome::Taken ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(answer, 'y');

    FakeMessageBoxes boxes;
    QtCollectionLock whileAlive;
    EXPECT_EQ(whileAlive.tryLock(lockFilePath(dir.root())), LockOutcome::HeldByAnother);

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(std::filesystem::exists(lockFilePath(dir.root()).native())); // left behind
    QtCollectionLock after;
    EXPECT_TRUE(takeCollection(after, boxes, dir.root()));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CollectionLock, AFolderNamedInAnyLettersIsLockedToo)
{
    TempDir dir;
    const Path folder = dir.root() / "Sammlung \xe2\x98\x83";
    std::filesystem::create_directory(folder.native());
    FakeMessageBoxes boxes;
    QtCollectionLock first, second;
    ASSERT_TRUE(takeCollection(first, boxes, folder));
    EXPECT_TRUE(std::filesystem::exists(lockFilePath(folder).native()));
    EXPECT_FALSE(takeCollection(second, boxes, folder));
}

TEST(CollectionLock, AFolderWhereNoLockCanBeMadeStillStarts)
{
    FakeMessageBoxes boxes;
    QtCollectionLock lock;
    EXPECT_EQ(lock.tryLock(lockFilePath(Path::fromNative("/nonexistent-folder-for-bindlewick"))),
              LockOutcome::NotPossible);
    EXPECT_TRUE(takeCollection(lock, boxes, Path::fromNative("/nonexistent-folder-for-bindlewick")));
}

} // namespace
} // namespace bw
