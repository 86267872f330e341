// Carrying out a change-over on a folder of ten stored terms: the new newest term, the team
// register in the new order, the suspended register, the snapshots; and every refusal, which
// must leave every file as it was.

#include "league/change_over_execution.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "league/change_over_lineup.h"
#include "session/league_session.h"
#include "standings/term_deletion.h"
#include "store/file_io.h"
#include "support/league_folder.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const CalendarDate kToday{2026, 12, 8};
const LocalDateTime kNow{2026, 12, 8, 10, 0, 0};

std::string teamAt(const std::string& reg, int recordNo) {
    return reg.substr(std::size_t(recordNo - 1) * 1000, 1000);
}

class Execution : public ::testing::Test {
protected:
    void SetUp() override {
        layLeague(t, LeagueShape{3, 10, 10, 3, 0});
        start();
    }
    void start() {
        m = LeagueModel();
        loadLeague(m, dir, kToday);
        prepareChangeOver(m, dir);
    }
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> s;
        for (const auto& e : fs::directory_iterator(fs::path(t.root()) / "Data"))
            s[e.path().filename().string()] = t.read("Data/" + e.path().filename().string());
        return s;
    }
    // The refusal leaves every file as it was, and no copy of Data/ is made.
    void expectRefused(LineUpProblem::Kind kind) {
        const auto before = files();
        const ChangeOverRun run = executeChangeOver(m, dir, kNow);
        EXPECT_EQ(run.outcome, ChangeOverOutcome::Refused);
        EXPECT_EQ(run.problem.kind, kind);
        EXPECT_EQ(files(), before);
        EXPECT_FALSE(t.exists("Backup"));
    }

    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m;
};

TEST_F(Execution, TheNewTermHoldsTheRevisedLineUpAndTheRegistersFollowIt) {
    const std::string results = t.read("Data/Seiseki.001");
    const std::string reg = t.read("Data/Info.001");
    const std::string suspended = t.read("Data/Kyuubu.001");

    // A10 <-> B1, C5 suspended from the next term, the first suspended team back at A1.
    applyLineUpChange(m, dir, 9, 10);
    applyLineUpChange(m, dir, 10, 9);
    applyLineUpChange(m, dir, 24, 200);
    applyLineUpChange(m, dir, 200, 0);
    const ChangeOverRun run = executeChangeOver(m, dir, kNow);
    ASSERT_EQ(run.outcome, ChangeOverOutcome::Done) << run.saved.failedFile();

    // A: 201, 1..9; B: 11, 10, 12..19; C: 20..24, 26..30.
    const int expected[30] = {201, 1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 10, 12, 13, 14,
                              15,  16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 27, 28, 29, 30};
    const std::string now = t.read("Data/Seiseki.001");
    ASSERT_EQ(now.size(), results.size());
    EXPECT_EQ(now.substr(0, 3), "390");  // after 38 後期 comes 39 前期
    EXPECT_EQ(now.substr(3, 29), results.substr(0, 27) + " \n");
    for (int n = 1; n <= 200; ++n) {
        const std::string record = now.substr(resultAt(0, n), 46);
        if (n > 30) {
            EXPECT_EQ(record, kEmptyResult) << n;
            continue;
        }
        const int team = expected[n - 1];
        const std::string name = team > 200 ? name20("休会0") : leagueTeamName(team);
        EXPECT_EQ(record, name + kEmptyResult.substr(20)) << n;
    }
    // Every older term one slot back; the oldest is gone.
    EXPECT_EQ(now.substr(resultAt(1, 1), 9 * 9200), results.substr(resultAt(0, 1), 9 * 9200));

    EXPECT_EQ(t.read("Data/Info.old"), reg);
    EXPECT_EQ(t.read("Data/Kyuubu.old"), suspended);

    const std::string newReg = t.read("Data/Info.001");
    ASSERT_EQ(newReg.size(), 200000u);
    EXPECT_EQ(teamAt(newReg, 1), suspended.substr(0, 1000));  // the returning team brings its details
    for (int n = 2; n <= 30; ++n) EXPECT_EQ(teamAt(newReg, n), teamAt(reg, expected[n - 1])) << n;
    for (int n = 31; n <= 200; ++n) EXPECT_EQ(teamAt(newReg, n), kEmptyTeam) << n;

    // The suspended team takes its details along; the returning one has left the list.
    std::string gone = teamAt(reg, 25);
    gone.replace(631, 367, std::string(367, ' '));
    EXPECT_EQ(t.read("Data/Kyuubu.001"), suspended.substr(1000, 2000) + gone);
    EXPECT_EQ(t.read("Data/Kyuubu.tmp"), suspended.substr(1000, 2000));

    EXPECT_EQ(m.suspendedCount, 3);
    EXPECT_EQ(m.termTeamCount, 30);
    EXPECT_EQ(m.latestYear, 39);
    EXPECT_EQ(m.termHalf, 0);
    EXPECT_EQ(m.teamMax[2], 10);
    EXPECT_TRUE(fs::is_directory(t.path("Backup/Data-20261208-100000")));

    // After a restart the groups hold the new line-up.
    start();
    EXPECT_EQ(m.termTeamCount, 30);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(m.RankedTeamRecord[i], i + 1);  // no results yet: group order
}

TEST_F(Execution, DeletingTheNewTermUndoesItsChangesToTheRegisters) {
    const std::string results = t.read("Data/Seiseki.001");
    const std::string reg = t.read("Data/Info.001");
    const std::string suspended = t.read("Data/Kyuubu.001");
    applyLineUpChange(m, dir, 24, 201);
    applyLineUpChange(m, dir, 202, 3);
    ASSERT_EQ(executeChangeOver(m, dir, kNow).outcome, ChangeOverOutcome::Done);
    ASSERT_EQ(deleteNewestTermOnce(m, dir, kNow).outcome, TermDeletionOutcome::Deleted);
    EXPECT_EQ(t.read("Data/Info.001"), reg);
    EXPECT_EQ(t.read("Data/Kyuubu.001"), suspended);
    // The oldest term went with the change-over; the others are back in their slots.
    const std::string now = t.read("Data/Seiseki.001");
    EXPECT_EQ(now.substr(0, resultAt(9, 1)), results.substr(0, 27) + "    \n" + results.substr(32, 9 * 9200));
    EXPECT_EQ(now.substr(resultAt(9, 1)), termBlock());
}

TEST_F(Execution, RecordsOfNoTeamInTheLineUpKeepTheirPlaceOrTakeAFreeOne) {
    std::string reg = t.read("Data/Info.001");
    const std::string third = teamAt(reg, 3);
    reg.replace(2000, 1000, teamRecord("元代表", "旧チーム"));  // record 3: a name no longer used
    reg.replace(39000, 1000, third);                            // team 3's own details at record 40
    reg.replace(34000, 1000, teamRecord("代表", "引退チーム"));
    t.write("Data/Info.001", reg);
    start();
    ASSERT_EQ(executeChangeOver(m, dir, kNow).outcome, ChangeOverOutcome::Done);
    const std::string now = t.read("Data/Info.001");
    EXPECT_EQ(teamAt(now, 3), third);
    EXPECT_EQ(teamAt(now, 35), teamRecord("代表", "引退チーム"));
    EXPECT_EQ(teamAt(now, 31), teamRecord("元代表", "旧チーム"));
    EXPECT_EQ(teamAt(now, 40), kEmptyTeam);
}

TEST_F(Execution, AnInconsistentLineUpIsRefusedAndNothingIsWritten) {
    applyLineUpChange(m, dir, 9, 10);  // half an exchange: A's 10th row is empty
    expectRefused(LineUpProblem::Gap);

    start();
    m.NextTermTeam[9] = m.NextTermTeam[10];  // one team in two places
    expectRefused(LineUpProblem::Twice);

    t.write("Data/ChangePos.001", "");
    start();
    m.NextTermTeam[29] = 0;
    m.resultTeams[2] = 9;
    expectRefused(LineUpProblem::Missing);

    start();
    m.resultTeams[0] = 11;
    expectRefused(LineUpProblem::BadCount);
}

TEST_F(Execution, WithoutACopyOfTheDataFolderNothingChanges) {
    t.write("Backup", "a file where the copies would go");
    const auto before = files();
    const ChangeOverRun run = executeChangeOver(m, dir, kNow);
    EXPECT_EQ(run.outcome, ChangeOverOutcome::BackupFailed);
    EXPECT_EQ(files(), before);
}

TEST_F(Execution, ANewTermNeedsAnOldOne) {
    t.write("Data/Seiseki.001", resultsHeader("") + t.read("Data/Seiseki.001").substr(32));
    start();
    const auto before = files();
    EXPECT_EQ(executeChangeOver(m, dir, kNow).outcome, ChangeOverOutcome::NoTermStored);
    EXPECT_EQ(files(), before);
}

}  // namespace
