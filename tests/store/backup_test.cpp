// The copies of Data/ taken before the big operations: how they are made, kept or thrown away,
// pruned, and listed.

#include "store/backup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/file_io.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const LocalDateTime kNow{2026, 12, 8, 9, 5, 7};

std::vector<std::string> copies(const TempFolder& t) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(t.path("Backup"))) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Copies named for the given days of November 2099, as a clock set wrong would leave them.
void layCopies(const TempFolder& t, int year, int n) {
    for (int day = 1; day <= n; ++day) {
        const std::string name = backupFolderName({{year, 11, day, 8, 0, 0}, 1});
        t.write("Backup/" + name + "/Seiseki.001", "old");
    }
}

class Backup : public ::testing::Test {
protected:
    void SetUp() override {
        t.write("Data/Seiseki.001", "results");
        t.write("Data/Info.001", "teams");
    }
    void TearDown() override { fileio::testing::reset(); }
    TempFolder t;
};

TEST_F(Backup, CopiesEveryDataFileWithANoteOfTheOperation) {
    t.write("Data/Seiseki.001.tf-new", "a save that never finished");
    t.write("Data/Tallyfold.jnl", "a journal");
    t.write("Data/Operation.txt", "a file of the organiser's own in Data/");
    DataBackup b = DataBackup::make(t.dir(), kNow, BackupOperation::Suspension);
    ASSERT_TRUE(b);
    b.keep();
    const std::string made = b.relativePath();
    EXPECT_EQ(made, "Backup/Data-20261208-090507");
    EXPECT_EQ(t.read(made + "/Seiseki.001"), "results");
    EXPECT_EQ(t.read(made + "/Info.001"), "teams");
    EXPECT_EQ(t.read(made + "/Operation.txt"), "休会\n");
    EXPECT_FALSE(t.exists(made + "/Seiseki.001.tf-new"));
    EXPECT_FALSE(t.exists(made + "/Tallyfold.jnl"));
    // Two in the same second get their own folders.
    DataBackup second = DataBackup::make(t.dir(), kNow, BackupOperation::Return);
    second.keep();
    EXPECT_EQ(second.relativePath(), "Backup/Data-20261208-090507-2");
}

TEST_F(Backup, ACopyNotKeptIsRemovedAndPrunesNothing) {
    layCopies(t, 2026, 10);
    const auto before = copies(t);
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(DataBackup::make(t.dir(), kNow, BackupOperation::ChangeOver));
    EXPECT_EQ(copies(t), before);
}

TEST_F(Backup, PruningKeepsTenAndNeverTheCopyJustMade) {
    layCopies(t, 2099, 12);
    t.write("Backup/notes.txt", "the organiser's own file");
    t.write("Backup/Data-2099-misnamed/Seiseki.001", "not a copy of ours");
    DataBackup b = DataBackup::make(t.dir(), kNow, BackupOperation::ChangeOver);
    b.keep();
    const auto names = copies(t);
    ASSERT_EQ(names.size(), 12u);  // ten copies and the two foreign entries
    EXPECT_TRUE(std::count(names.begin(), names.end(), "Data-20261208-090507"));
    EXPECT_FALSE(std::count(names.begin(), names.end(), "Data-20991103-080000"));
    EXPECT_TRUE(std::count(names.begin(), names.end(), "Data-20991104-080000"));
    EXPECT_TRUE(std::count(names.begin(), names.end(), "notes.txt"));
}

TEST_F(Backup, ACopyThatCannotBeMadeIsReportedAndLeavesNothing) {
    fileio::testing::failWritesWhen(fileio::testing::diskFull);
    const DataBackup b = DataBackup::make(t.dir(), kNow, BackupOperation::ChangeOver);
    fileio::testing::reset();
    EXPECT_FALSE(b);
    EXPECT_EQ(b.result().failedFile(), "Backup/Data-20261208-090507");
    EXPECT_TRUE(copies(t).empty());
}

TEST_F(Backup, HalfMadeCopiesAreRemovedAtStartUp) {
    t.write("Backup/Data-20261101-080000.tf-new/Seiseki.001", "half a copy");
    t.write("Backup/Data-20261102-080000/Seiseki.001", "a whole copy");
    t.write("Backup/mine.tf-new/keep.txt", "not ours");
    removeUnfinishedBackups(t.dir());
    EXPECT_EQ(copies(t), (std::vector<std::string>{"Data-20261102-080000", "mine.tf-new"}));
}

TEST_F(Backup, TheListIsNewestFirstWithEachCopysOperation) {
    for (auto [when, op] : {std::pair{LocalDateTime{2026, 4, 1, 9, 0, 0}, BackupOperation::ChangeOver},
                            std::pair{LocalDateTime{2026, 12, 8, 9, 0, 0}, BackupOperation::Restore},
                            std::pair{LocalDateTime{2026, 12, 8, 9, 0, 0}, BackupOperation::TermDeletion}})
        DataBackup::make(t.dir(), when, op).keep();
    t.write("Backup/Data-20250101-000000/Seiseki.001", "a copy of an older version: no note");
    t.write("Backup/Data-20250101-000000/Info.001", "");
    t.write("Backup/Data-20240101-000000/Operation.txt", "復帰\n");  // files missing

    const auto list = listBackups(t.dir());
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].folder, "Data-20261208-090000-2");
    EXPECT_EQ(list[0].operation, BackupOperation::TermDeletion);
    EXPECT_EQ(list[1].operation, BackupOperation::Restore);
    EXPECT_EQ(list[2].operation, BackupOperation::ChangeOver);
    EXPECT_EQ(list[2].name.made.month, 4);
    EXPECT_EQ(list[3].operation, std::nullopt);
    EXPECT_TRUE(list[3].whole);
    EXPECT_EQ(list[4].operation, BackupOperation::Return);
    EXPECT_FALSE(list[4].whole);
}

TEST(BackupNames, OnlyTheProgramsOwnNamesAreCopies) {
    EXPECT_TRUE(parseBackupName("Data-20261208-235959"));
    EXPECT_EQ(parseBackupName("Data-20261208-235959-12")->sequence, 12);
    for (const char* foreign : {"Data-20261308-000000", "Data-20261208-240000", "Data-2026120-000000",
                                "Data-20261208-000000.tf-new", "Data-20261208-000000-1", "Data-20261208-000000-x",
                                "Data-20261208_000000", "Backup-20261208-000000", "Data-２0261208-000000"})
        EXPECT_FALSE(parseBackupName(foreign)) << foreign;
    // The tenth copy of a second sorts after the ninth.
    EXPECT_TRUE(backupBefore(*parseBackupName("Data-20261208-000000-9"), *parseBackupName("Data-20261208-000000-10")));
    for (BackupOperation op :
         {BackupOperation::ChangeOver, BackupOperation::TermDeletion, BackupOperation::Suspension,
          BackupOperation::Withdrawal, BackupOperation::Return, BackupOperation::Restore, BackupOperation::Import})
        EXPECT_EQ(parseBackupNote(backupNoteText(op)), op);
    EXPECT_EQ(parseBackupNote("節の更新\r\n"), BackupOperation::ChangeOver);
    EXPECT_EQ(parseBackupNote("something else"), std::nullopt);
}

}  // namespace
