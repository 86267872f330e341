// The copy of Data/ taken before a change-over or a term deletion.

#include "store/backup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/file_io.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> copies(const TempFolder& t) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(t.path("Backup"))) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Backup, CopiesEveryDataFileIntoAFolderNamedForTheMoment) {
    TempFolder t;
    t.write("Data/Seiseki.001", "results");
    t.write("Data/Info.001", "teams");
    t.write("Data/Seiseki.001.tf-new", "a save that never finished");
    std::string made;
    ASSERT_TRUE(backupDataFolder(t.dir(), {2026, 12, 8, 9, 5, 7}, &made));
    EXPECT_EQ(made, "Backup/Data-20261208-090507");
    EXPECT_EQ(t.read(made + "/Seiseki.001"), "results");
    EXPECT_EQ(t.read(made + "/Info.001"), "teams");
    EXPECT_FALSE(t.exists(made + "/Seiseki.001.tf-new"));
    // Two in the same second get their own folders.
    ASSERT_TRUE(backupDataFolder(t.dir(), {2026, 12, 8, 9, 5, 7}, &made));
    EXPECT_EQ(made, "Backup/Data-20261208-090507-2");
}

TEST(Backup, KeepsTheNewestTenAndThrowsAwayUnfinishedCopies) {
    TempFolder t;
    t.write("Data/Seiseki.001", "x");
    t.write("Backup/Data-20200101-000000.tf-new/Seiseki.001", "half a copy");
    for (int day = 1; day <= 12; ++day) ASSERT_TRUE(backupDataFolder(t.dir(), {2026, 11, day, 8, 0, 0}));
    const auto names = copies(t);
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names.front(), "Data-20261103-080000");
    EXPECT_EQ(names.back(), "Data-20261112-080000");
}

TEST(Backup, ACopyThatCannotBeMadeIsReportedAndLeavesNothing) {
    TempFolder t;
    t.write("Data/Seiseki.001", "x");
    fileio::testing::failWritesWhen(fileio::testing::diskFull);
    const SaveResult r = backupDataFolder(t.dir(), {2026, 12, 8, 9, 0, 0});
    fileio::testing::reset();
    EXPECT_EQ(r.failedFile(), "Backup/Data-20261208-090000");
    EXPECT_TRUE(copies(t).empty());
}

}  // namespace
