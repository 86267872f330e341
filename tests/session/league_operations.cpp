#include "session/league_operations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "contacts/saved_postal_codes.h"
#include "league/change_over_execution.h"
#include "league/change_over_lineup.h"
#include "league/change_over_rules.h"
#include "league/import_writing.h"
#include "league/suspension.h"
#include "league/team_import.h"
#include "league/team_moves.h"
#include "league/team_rename.h"
#include "session/backup_restore.h"
#include "session/league_session.h"
#include "standings/term_deletion.h"
#include "store/backup.h"
#include "store/results_file.h"
#include "store/settings_files.h"
#include "store/suspended_register.h"
#include "store/team_register.h"
#include "support/league_folder.h"
#include "support/records.h"

namespace fs = std::filesystem;

namespace {

// A copy in Backup/ of the league as it was before its groups were renamed and two suspended
// teams came back, to be restored.
void layCopyToRestore(const TempFolder& t) {
    const std::string copy = "Backup/Data-20261101-080000/";
    for (const auto& e : fs::directory_iterator(fs::path(t.root()) / "Data")) {
        const std::string name = e.path().filename().string();
        t.write(copy + name, t.read("Data/" + name));
    }
    t.write(copy + "League.001", std::string(40, 'Z') + std::string(960, ' '));
    t.write(copy + "Kyuubu.001", t.read("Data/Kyuubu.001").substr(2000));
    t.write(copy + "Operation.txt", "節の更新\n");
}

// Ten small copies from a year before, so that the copy an operation keeps prunes the oldest.
void layTenOldCopies(const TempFolder& t) {
    for (int day = 1; day <= kBackupsKept; ++day) {
        const std::string copy = "Backup/" + backupFolderName({{2025, 12, day, 8, 0, 0}, 1}) + "/";
        t.write(copy + "Seiseki.001", "a season ago");
        t.write(copy + "Operation.txt", "休会\n");
    }
}

}  // namespace

const std::vector<LeagueOperation>& leagueOperations() {
    static const std::vector<LeagueOperation> list{
        {"InsertingATerm", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(insertNewestTerm(d, "390")); }},
        {"DeletingTheNewestTerm",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_EQ(deleteNewestTermOnce(m, d, kOperationTime).outcome, TermDeletionOutcome::Deleted);
         }},
        {"SnapshottingTheRegisters", [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(snapshotRegisters(m, d)); },
         [](const TempFolder& t) {
             t.write("Data/Info.old", teamRegister());
             t.write("Data/Kyuubu.old", "");
         }},
        {"RemovingASuspendedTeam", [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(removeSuspended(m, d, 2)); }},
        {"SortingTheRules", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(sortChangePositions(d)); }},
        {"MergingSavedCodes", [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(mergeTeamRegisterCodes(m, d)); },
         [](const TempFolder& t) {
             // Two codes were listed before; the others come from the register.
             t.write("Data/MyZip.001", t.read("Data/MyZip.001").substr(0, 80));
         }},
        {"MovingATeamDown",
         [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(moveTeam(m, d, 0, 1, 2, MoveDirection::Down)); }},
        {"RenamingATeam",
         [](LeagueModel& m, const DataDir& d) {
             const NameChange c = changeTeamName(m, d, 0, 0, 0, name20("改名チーム"));
             ASSERT_EQ(c.outcome, NameChangeOutcome::RecordRenamed);
             ASSERT_TRUE(c.saved);
         }},
        {"ExchangingTeamsOfTwoGroups",
         [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(swapTeams(m, d, 1, 3, 25)); }},
        // The linked changes copy Data/ to Backup/ first, as the screens ask for them.
        {"SuspendingATeamLinked",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_TRUE(
                 removeTeam(m, d, LineUpRequest{0, 1, 2, true, false}, Leaving::Suspension, kOperationTime).saved);
         }},
        {"SuspendingATeamUnlinked",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_TRUE(removeTeam(m, d, LineUpRequest{0, 1, 2, false, false}, Leaving::Suspension).saved);
         }},
        {"WithdrawingATeamLinked",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_TRUE(
                 removeTeam(m, d, LineUpRequest{0, 0, 7, true, false}, Leaving::Withdrawal, kOperationTime).saved);
         },
         layTenOldCopies},
        {"WithdrawingATeamUnlinked",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_TRUE(removeTeam(m, d, LineUpRequest{1, 4, 0, false, true}, Leaving::Withdrawal).saved);
         }},
        {"ReturningATeamLinked",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_EQ(returnTeam(m, d, LineUpRequest{0, 2, 3, true, false}, 1, kOperationTime).outcome,
                       LineUpOutcome::Done);
         }},
        {"ReturningATeamUnlinked",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_EQ(returnTeam(m, d, LineUpRequest{0, 5, 0, false, false}, 4).outcome, LineUpOutcome::Done);
         }},
        {"StoringARule", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(storeChangeOverRule(d, 10, 12)); }},
        {"StoringARuleThatOverridesAnother",
         [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(storeChangeOverRule(d, 5, 21)); }},
        {"DeletingARule", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(deleteChangeOverRule(d, 1)); }},
        {"ImportingTeams",
         [](LeagueModel& m, const DataDir& d) {
             // Two new teams and new details for one that is there.
             const std::string csv = "組,チーム名,代表者名\nA1,新しいチーム,新野\n2,次のチーム,\nA1,チーム3,代表交代\n";
             const ImportPreview p = previewImportBytes(m, d, csv);
             ASSERT_EQ(p.teams.size(), 3u);
             ASSERT_EQ(writeImport(m, d, p, kOperationTime).outcome, ImportWrite::Written);
         }},
        {"CarryingOutAChangeOver",
         [](LeagueModel& m, const DataDir& d) {
             prepareChangeOver(m, d);
             applyLineUpChange(m, d, 24, 200);  // suspended from the next term
             applyLineUpChange(m, d, 200, 0);   // back from suspension
             ASSERT_EQ(executeChangeOver(m, d, kOperationTime).outcome, ChangeOverOutcome::Done);
         },
         // Group 1's last team and group 2's first change places.
         [](const TempFolder& t) { t.write("Data/ChangePos.001", "  8 11 \n 11  8 \n"); }},
        {"RestoringACopy",
         [](LeagueModel& m, const DataDir& d) {
             ASSERT_EQ(restoreBackup(m, d, "Data-20261101-080000", kOperationTime).outcome, RestoreOutcome::Restored);
         },
         layCopyToRestore},
    };
    return list;
}

void PrintTo(const LeagueOperation& op, std::ostream* os) {
    *os << op.name;
}

LeagueModel layStartingPoint(const TempFolder& t, const LeagueOperation& op) {
    layLeague(t);
    LeagueModel m;
    loadLeague(m, t.dir(), kOperationDay);
    op.afterStart(t);
    return m;
}

FolderState dataFiles(const std::string& root) {
    FolderState s;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(fs::path(root) / "Data", ec)) {
        if (!e.is_regular_file()) continue;
        const std::string name = e.path().filename().string();
        std::ifstream in(e.path(), std::ios::binary);
        s[name].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return s;
}

std::string differences(const FolderState& a, const FolderState& b) {
    std::string names;
    for (const auto& [name, bytes] : a)
        if (!b.count(name) || b.at(name) != bytes) names += name + " ";
    for (const auto& [name, bytes] : b)
        if (!a.count(name)) names += name + " ";
    return names;
}

std::string leagueDigest(const std::string& root) {
    TempFolder t;
    fs::copy(fs::path(root) / "Data", fs::path(t.root()) / "Data", fs::copy_options::recursive);
    LeagueModel m;
    loadLeague(m, t.dir(), kOperationDay);
    std::string d = std::to_string(m.termTeamCount) + "/" + std::to_string(m.suspendedCount) + "/" +
                    std::to_string(m.latestYear) + std::to_string(m.termHalf) + "/" + std::to_string(m.deleteAvailable);
    for (int s = 0; s < kGroups; ++s)
        d += "," + std::to_string(m.registeredTeams[s]) + ":" + std::to_string(m.resultTeams[s]);
    return d;
}
