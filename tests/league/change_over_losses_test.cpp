// What a change-over must never lose: the copies of Data/ taken before it, the suspended teams an
// older folder holds past the hundredth, and the details of teams that left the line-up.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "league/change_over_execution.h"
#include "session/league_session.h"
#include "standings/term_deletion.h"
#include "store/backup.h"
#include "store/file_io.h"
#include "support/league_folder.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const CalendarDate kToday{2026, 12, 8};
const LocalDateTime kNow{2026, 12, 8, 10, 0, 0};

class ChangeOverLosses : public ::testing::Test {
protected:
    void TearDown() override { fileio::testing::reset(); }
    void lay(const LeagueShape& shape) {
        layLeague(t, shape);
        start();
    }
    void start() {
        m = LeagueModel();
        loadLeague(m, dir, kToday);
        prepareChangeOver(m, dir);
    }
    std::vector<std::string> copies() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(t.path("Backup"), ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::map<std::string, std::string> dataFiles() const {
        std::map<std::string, std::string> s;
        for (const auto& e : fs::directory_iterator(t.path("Data")))
            s[e.path().filename().string()] = t.read("Data/" + e.path().filename().string());
        return s;
    }
    // Renames the team at a position of the newest term in the results file only, as a rename
    // typed into the older program's table left it.
    void renameInNewestTerm(int recordNo, const std::string& utf8) {
        std::string results = t.read("Data/Seiseki.001");
        results.replace(resultAt(0, recordNo), 20, name20(utf8));
        t.write("Data/Seiseki.001", results);
    }

    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m;
};

TEST_F(ChangeOverLosses, FailedOperationsLeaveTheCopiesAsTheyWere) {
    lay(LeagueShape{3, 10, 10, 3, 0});
    t.write("Backup/Data-20260101-000000/Seiseki.001", "the only older copy");
    const std::string data = t.path("Data/");
    fileio::testing::failWritesWhen(
        [data](const fileio::testing::WriteAttempt& a) { return a.path.rfind(data, 0) == 0; });
    for (int press = 0; press < 10; ++press)
        ASSERT_EQ(executeChangeOver(m, dir, kNow).outcome, ChangeOverOutcome::NotSaved);
    m.deleteAvailable = 1;
    EXPECT_EQ(deleteNewestTermOnce(m, dir, kNow).outcome, TermDeletionOutcome::NotSaved);
    EXPECT_EQ(copies(), std::vector<std::string>{"Data-20260101-000000"});
}

TEST_F(ChangeOverLosses, TheCopyJustMadeIsKeptWhateverTheOthersAreNamed) {
    lay(LeagueShape{3, 10, 10, 3, 0});
    for (int day = 1; day <= 10; ++day)
        t.write("Backup/" + backupFolderName({{2099, 11, day, 8, 0, 0}, 1}) + "/Seiseki.001", "dated by a wrong clock");
    ASSERT_EQ(executeChangeOver(m, dir, kNow).outcome, ChangeOverOutcome::Done);
    const auto names = copies();
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names.front(), "Data-20261208-100000");
    EXPECT_EQ(names[1], "Data-20991102-080000");
    EXPECT_EQ(t.read("Backup/Data-20261208-100000/Operation.txt"), "節の更新\n");
}

TEST_F(ChangeOverLosses, SuspendedTeamsPastTheHundredthSurviveTheChangeOverAndItsUndoing) {
    layLeague(t, LeagueShape{3, 10, 10, 0, 0});
    std::string list;
    for (int k = 1; k <= 101; ++k) list += teamRecord("代表", "休会" + std::to_string(k));
    t.write("Data/Kyuubu.001", list);
    start();
    ASSERT_EQ(m.suspendedCount, 100);

    applyLineUpChange(m, dir, 200, 0);  // the first suspended team comes back
    ASSERT_EQ(executeChangeOver(m, dir, kNow).outcome, ChangeOverOutcome::Done);
    EXPECT_EQ(t.read("Data/Kyuubu.001"), list.substr(1000));
    EXPECT_EQ(t.read("Data/Kyuubu.old"), list);
    EXPECT_EQ(m.suspendedCount, 100);

    ASSERT_EQ(deleteNewestTermOnce(m, dir, kNow).outcome, TermDeletionOutcome::Deleted);
    EXPECT_EQ(t.read("Data/Kyuubu.001"), list);
}

TEST_F(ChangeOverLosses, InAFullLeagueTheTeamsWhoseDetailsFindNoRecordAreNamedFirst) {
    layLeague(t, LeagueShape{20, 10, 2, 2, 0});
    renameInNewestTerm(5, "新チーム");  // チーム5's record no longer belongs to a team of the line-up
    // A record under a suspended team's name: its details are on the list.
    std::string reg = t.read("Data/Info.001");
    reg.replace(teamAt(7) + 611, 20, name20("休会0"));
    t.write("Data/Info.001", reg);
    start();
    const auto before = dataFiles();

    const ChangeOverRun refused = executeChangeOver(m, dir, kNow);
    ASSERT_EQ(refused.outcome, ChangeOverOutcome::DetailsWouldBeLost);
    EXPECT_EQ(refused.detailsLost, std::vector<std::string>{leagueTeamName(5)});
    EXPECT_EQ(dataFiles(), before);
    EXPECT_TRUE(copies().empty());

    ASSERT_EQ(executeChangeOver(m, dir, kNow, true).outcome, ChangeOverOutcome::Done);
    const std::string now = t.read("Data/Info.001");
    EXPECT_EQ(now.substr(teamAt(5), 1000), teamRecord("", "新チーム"));
    EXPECT_EQ(t.read("Backup/Data-20261208-100000/Info.001"), reg);  // the copy holds them
}

TEST_F(ChangeOverLosses, DetailsOfTeamsOutsideTheLineUpGoAfterIt) {
    layLeague(t, LeagueShape{3, 8, 2, 2, 0});
    renameInNewestTerm(12, "新チーム");
    start();
    ASSERT_EQ(executeChangeOver(m, dir, kNow).outcome, ChangeOverOutcome::Done);
    const std::string before = t.read("Data/Info.old");
    const std::string now = t.read("Data/Info.001");
    // Group C's last team stands at position 28; the old record of the renamed team follows.
    EXPECT_EQ(now.substr(teamAt(29), 1000), before.substr(teamAt(12), 1000));
    EXPECT_EQ(now.substr(teamAt(9), 1000), kEmptyTeam);  // group A's empty rows stay free
}

}  // namespace
