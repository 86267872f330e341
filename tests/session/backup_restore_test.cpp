// Getting a season back from a copy in Backup/: the restore, its undoing, the copies it refuses,
// and a restore that a stopped process left between its two renames.

#include "session/backup_restore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "league/change_over_execution.h"
#include "session/league_session.h"
#include "store/backup_listing.h"
#include "store/data_folder_swap.h"
#include "store/file_io.h"
#include "store/results_file.h"
#include "support/league_folder.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const CalendarDate kToday{2026, 12, 8};
const LocalDateTime kChangeOver{2026, 12, 8, 10, 0, 0};
const LocalDateTime kRestore{2026, 12, 8, 11, 0, 0};
const LocalDateTime kUndo{2026, 12, 8, 11, 5, 0};

using Files = std::map<std::string, std::string>;

Files filesOf(const TempFolder& t, const std::string& folder) {
    Files s;
    for (const auto& e : fs::directory_iterator(t.path(folder)))
        if (e.path().filename() != "Operation.txt")
            s[e.path().filename().string()] = t.read(folder + "/" + e.path().filename().string());
    return s;
}

class Restore : public ::testing::Test {
protected:
    void SetUp() override {
        layLeague(t, LeagueShape{3, 10, 10, 3, 0});
        loadLeague(m, dir, kToday);
        before = filesOf(t, "Data");
        prepareChangeOver(m, dir);
        applyLineUpChange(m, dir, 24, 200);
        ASSERT_EQ(executeChangeOver(m, dir, kChangeOver).outcome, ChangeOverOutcome::Done);
        after = filesOf(t, "Data");
    }
    void TearDown() override { fileio::testing::reset(); }

    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m;
    Files before, after;
};

TEST_F(Restore, BringsTheCopyBackAndIsUndoneByTheCopyItMade) {
    t.write("Tallyfold.lock", "4242\n");
    t.write("Zip/ZipNo.txt", "dictionary");
    m.allTeamsLinked = 0;
    m.currentGroup = 3;
    const RestoreRun run = restoreBackup(m, dir, "Data-20261208-100000", kRestore);
    ASSERT_EQ(run.outcome, RestoreOutcome::Restored) << run.saved.failedFile();
    EXPECT_EQ(filesOf(t, "Data"), before);
    EXPECT_EQ(run.undoCopy, "Data-20261208-110000");
    EXPECT_EQ(filesOf(t, "Backup/" + run.undoCopy), after);
    EXPECT_EQ(t.read("Backup/" + run.undoCopy + "/Operation.txt"), "復元\n");
    // Read afresh: the newest term from group 1, the counts of the restored files.
    EXPECT_EQ(m.latestYear, 38);
    EXPECT_EQ(m.termHalf, 1);
    EXPECT_EQ(m.suspendedCount, 3);
    EXPECT_EQ(m.currentGroup, 1);
    EXPECT_EQ(m.allTeamsLinked, 0);
    // Nothing outside Data/ is touched.
    EXPECT_EQ(t.read("Tallyfold.lock"), "4242\n");
    EXPECT_EQ(t.read("Zip/ZipNo.txt"), "dictionary");

    const auto list = listBackups(dir);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.front().folder, run.undoCopy);
    ASSERT_EQ(restoreBackup(m, dir, run.undoCopy, kUndo).outcome, RestoreOutcome::Restored);
    EXPECT_EQ(filesOf(t, "Data"), after);
    EXPECT_EQ(m.latestYear, 39);
    EXPECT_EQ(m.suspendedCount, 4);
}

TEST_F(Restore, ACopyThatIsNotThereOrNotWholeChangesNothing) {
    t.write("Backup/Data-20261201-080000/Info.001", "a copy without its results");
    for (const char* folder : {"Data-20261201-080000", "Data-20261130-080000", "../Data", "."}) {
        const RestoreRun run = restoreBackup(m, dir, folder, kRestore);
        EXPECT_NE(run.outcome, RestoreOutcome::Restored) << folder;
    }
    EXPECT_EQ(restoreBackup(m, dir, "Data-20261201-080000", kRestore).outcome, RestoreOutcome::NotWhole);
    EXPECT_EQ(filesOf(t, "Data"), after);
    EXPECT_EQ(listBackups(dir).size(), 2u);  // no copy of a restore that did not happen
}

TEST_F(Restore, AFullDiskChangesNothingAndKeepsNoCopy) {
    fileio::testing::failWritesWhen(fileio::testing::diskFull);
    const RestoreRun run = restoreBackup(m, dir, "Data-20261208-100000", kRestore);
    fileio::testing::reset();
    EXPECT_EQ(run.outcome, RestoreOutcome::BackupFailed);
    EXPECT_EQ(filesOf(t, "Data"), after);
    EXPECT_EQ(listBackups(dir).size(), 1u);

    // Room for the copy of Data/, none for the restored folder.
    const std::string incoming = t.path(kIncomingDataFolder);
    fileio::testing::failWritesWhen(
        [incoming](const fileio::testing::WriteAttempt& a) { return a.path.rfind(incoming, 0) == 0; });
    EXPECT_EQ(restoreBackup(m, dir, "Data-20261208-100000", kRestore).outcome, RestoreOutcome::NotSaved);
    fileio::testing::reset();
    EXPECT_EQ(filesOf(t, "Data"), after);
    EXPECT_EQ(listBackups(dir).size(), 1u);
    EXPECT_FALSE(t.exists(kIncomingDataFolder));
}

TEST_F(Restore, StartUpFinishesARestoreStoppedBetweenItsRenames) {
    fs::copy(t.path("Backup/Data-20261208-100000"), t.path(kIncomingDataFolder));
    fs::remove(t.path(std::string(kIncomingDataFolder) + "/Operation.txt"));
    fs::rename(t.path("Data"), t.path(kOutgoingDataFolder));
    LeagueModel again;
    EXPECT_TRUE(loadLeague(again, dir, kToday).recovered);
    EXPECT_EQ(filesOf(t, "Data"), before);
    EXPECT_FALSE(t.exists(kIncomingDataFolder));
    EXPECT_FALSE(t.exists(kOutgoingDataFolder));

    // Stopped before the first rename: the half-written folder goes, Data/ stays.
    t.write(std::string(kIncomingDataFolder) + "/Seiseki.001", "half");
    t.write("Backup/Data-20261208-120000.tf-new/Seiseki.001", "a copy never finished");
    EXPECT_TRUE(loadLeague(again, dir, kToday).recovered);
    EXPECT_EQ(filesOf(t, "Data"), before);
    EXPECT_FALSE(t.exists(kIncomingDataFolder));
    EXPECT_FALSE(t.exists("Backup/Data-20261208-120000.tf-new"));
}

TEST_F(Restore, CountsTheTeamsOfTheNewestTermWhicheverTermWasShown) {
    // In the copy an older term lacks a team, and that older term is the one on screen.
    const std::string copy = "Backup/Data-20261208-100000/Seiseki.001";
    std::string results = t.read(copy);
    results.replace(std::size_t(resultRecordOffset(3, 1)), kTeamNameWidth, std::string(kTeamNameWidth, ' '));
    t.write(copy, results);
    m.termSlotIndex = 3;
    ASSERT_EQ(restoreBackup(m, dir, "Data-20261208-100000", kRestore).outcome, RestoreOutcome::Restored);
    EXPECT_EQ(m.termSlotIndex, 0);
    EXPECT_EQ(m.termTeamCount, 30);
}

}  // namespace
