// One program per working folder: the lock on the folder and what it tells a second start.

#include "store/folder_lock.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "support/temp_folder.h"

namespace {

TEST(FolderLock, ASecondHolderIsRefusedAndToldTheFirst) {
    TempFolder t;
    std::optional<FolderLock> first(FolderLock::take(t.root()));
    ASSERT_EQ(first->state(), FolderLock::State::Held);
    const std::string pid = std::to_string(::getpid()) + "\n";
    EXPECT_EQ(t.read(kLockFile), pid);

    const FolderLock second = FolderLock::take(t.root());
    EXPECT_EQ(second.state(), FolderLock::State::Busy);
    EXPECT_EQ(second.holder(), long(::getpid()));
    EXPECT_EQ(t.read(kLockFile), pid);

    first.reset();  // the process that held it has ended
    EXPECT_EQ(FolderLock::take(t.root()).state(), FolderLock::State::Held);
}

TEST(FolderLock, AStaleFileFromAnEndedProcessHoldsNothing) {
    TempFolder t;
    t.write(kLockFile, "999999999\n");
    EXPECT_EQ(FolderLock::take(t.root()).state(), FolderLock::State::Held);
    EXPECT_EQ(t.read(kLockFile), std::to_string(::getpid()) + "\n");
}

TEST(FolderLock, AFolderWhereNoLockCanBeMadeIsNoObstacle) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    TempFolder t;
    ::chmod(t.root().c_str(), 0555);
    const FolderLock lock = FolderLock::take(t.root());
    ::chmod(t.root().c_str(), 0755);
    EXPECT_EQ(lock.state(), FolderLock::State::Unavailable);
    EXPECT_FALSE(t.exists(kLockFile));
}

}  // namespace
