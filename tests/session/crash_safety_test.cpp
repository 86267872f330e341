// Every operation that rewrites more than one record or file, stopped at each of its writes
// in turn as if the process had been killed there. After the next start the data folder holds
// exactly the state before the operation or exactly the state after it, never a mixture, and
// the league reads the same as from one of the two.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "contacts/saved_postal_codes.h"
#include "league/change_over_execution.h"
#include "league/change_over_lineup.h"
#include "league/change_over_rules.h"
#include "league/import_writing.h"
#include "league/suspension.h"
#include "league/team_moves.h"
#include "session/league_session.h"
#include "standings/term_deletion.h"
#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/results_file.h"
#include "store/settings_files.h"
#include "store/suspended_register.h"
#include "store/team_register.h"
#include "support/league_folder.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const CalendarDate kToday{2026, 12, 8};
const LocalDateTime kNow{2026, 12, 8, 10, 0, 0};

using FolderState = std::map<std::string, std::string>;

FolderState dataFiles(const TempFolder& t) {
    FolderState s;
    for (const auto& e : fs::directory_iterator(fs::path(t.root()) / "Data"))
        if (e.is_regular_file()) s[e.path().filename().string()] = t.read("Data/" + e.path().filename().string());
    return s;
}

void copyFolder(const TempFolder& from, const TempFolder& to) {
    fs::copy(fs::path(from.root()) / "Data", fs::path(to.root()) / "Data", fs::copy_options::recursive);
}

// What a start reads from (a copy of) a folder, enough to tell two leagues apart.
std::string leagueDigest(const TempFolder& folder) {
    TempFolder t;
    copyFolder(folder, t);
    LeagueModel m;
    loadLeague(m, t.dir(), kToday);
    std::string d = std::to_string(m.termTeamCount) + "/" + std::to_string(m.suspendedCount) + "/" +
                    std::to_string(m.latestYear) + std::to_string(m.termHalf) + "/" + std::to_string(m.deleteAvailable);
    for (int s = 0; s < kGroups; ++s)
        d += "," + std::to_string(m.registeredTeams[s]) + ":" + std::to_string(m.resultTeams[s]);
    return d;
}

struct Operation {
    const char* name;
    std::function<void(LeagueModel&, const DataDir&)> run;
    // Changes to the folder after the program has started on it.
    std::function<void(const TempFolder&)> afterStart = [](const TempFolder&) {};
};

// The files in which two states differ, to keep a failure readable.
std::string differences(const FolderState& a, const FolderState& b) {
    std::string names;
    for (const auto& [name, bytes] : a)
        if (!b.count(name) || b.at(name) != bytes) names += name + " ";
    for (const auto& [name, bytes] : b)
        if (!a.count(name)) names += name + " ";
    return names;
}

void PrintTo(const Operation& op, std::ostream* os) {
    *os << op.name;
}

class KilledAtEveryWrite : public ::testing::TestWithParam<Operation> {
protected:
    void TearDown() override { fileio::testing::reset(); }

    // A league the program has started on, so that start-up has nothing left to create.
    void layStartingPoint(TempFolder& t) {
        layLeague(t);
        loadLeague(started_, t.dir(), kToday);
        GetParam().afterStart(t);
    }
    void run(const TempFolder& t) {
        LeagueModel m = started_;
        GetParam().run(m, t.dir());
    }

    LeagueModel started_;
};

TEST_P(KilledAtEveryWrite, LeavesTheFolderBeforeOrAfterNeverBetween) {
    TempFolder base;
    layStartingPoint(base);
    const FolderState before = dataFiles(base);
    const std::string beforeLeague = leagueDigest(base);

    TempFolder done;
    copyFolder(base, done);
    fileio::testing::crashAtStep(0);
    run(done);
    const long steps = fileio::testing::stepsTaken();
    const FolderState after = dataFiles(done);
    const std::string afterLeague = leagueDigest(done);
    ASSERT_FALSE(differences(after, before).empty()) << "the operation changed nothing";
    ASSERT_GT(steps, 0);

    for (long k = 1; k <= steps; ++k) {
        TempFolder t;
        copyFolder(base, t);
        bool stopped = false;
        fileio::testing::crashAtStep(k);
        try {
            run(t);
        } catch (const fileio::testing::SimulatedCrash&) {
            stopped = true;
        }
        fileio::testing::reset();
        EXPECT_TRUE(stopped) << "step " << k << " was never reached";
        ASSERT_TRUE(recoverInterruptedWrites(t.dir()));
        const FolderState now = dataFiles(t);
        EXPECT_TRUE(now == before || now == after)
            << "killed before step " << k << " of " << steps << ": differs from before in " << differences(now, before)
            << "and from after in " << differences(now, after);
        const std::string league = leagueDigest(t);
        EXPECT_TRUE(league == beforeLeague || league == afterLeague) << "step " << k;
        for (const auto& [name, bytes] : now) {
            EXPECT_EQ(name.find(".tf-new"), std::string::npos) << name << " left after step " << k;
            EXPECT_NE(name, "Tallyfold.jnl") << "after step " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, KilledAtEveryWrite,
    ::testing::Values(
        Operation{"InsertingATerm", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(insertNewestTerm(d, "390")); }},
        Operation{"DeletingTheNewestTerm",
                  [](LeagueModel& m, const DataDir& d) {
                      ASSERT_EQ(deleteNewestTermOnce(m, d, kNow).outcome, TermDeletionOutcome::Deleted);
                  }},
        Operation{"SnapshottingTheRegisters",
                  [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(snapshotRegisters(m, d)); },
                  [](const TempFolder& t) {
                      t.write("Data/Info.old", teamRegister());
                      t.write("Data/Kyuubu.old", "");
                  }},
        Operation{"RemovingASuspendedTeam",
                  [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(removeSuspended(m, d, 2)); }},
        Operation{"SortingTheRules", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(sortChangePositions(d)); }},
        Operation{"MergingSavedCodes",
                  [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(mergeTeamRegisterCodes(m, d)); },
                  [](const TempFolder& t) {
                      // Two codes were listed before; the others come from the register.
                      t.write("Data/MyZip.001", t.read("Data/MyZip.001").substr(0, 80));
                  }},
        Operation{"MovingATeamDown",
                  [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(moveTeam(m, d, 0, 1, 2, MoveDirection::Down)); }},
        Operation{"ExchangingTeamsOfTwoGroups",
                  [](LeagueModel& m, const DataDir& d) { ASSERT_TRUE(swapTeams(m, d, 1, 3, 25)); }},
        Operation{"SuspendingATeamLinked",
                  [](LeagueModel& m, const DataDir& d) {
                      ASSERT_TRUE(removeTeam(m, d, LineUpRequest{0, 1, 2, true, false}, Leaving::Suspension).saved);
                  }},
        Operation{"SuspendingATeamUnlinked",
                  [](LeagueModel& m, const DataDir& d) {
                      ASSERT_TRUE(removeTeam(m, d, LineUpRequest{0, 1, 2, false, false}, Leaving::Suspension).saved);
                  }},
        Operation{"WithdrawingATeamLinked",
                  [](LeagueModel& m, const DataDir& d) {
                      ASSERT_TRUE(removeTeam(m, d, LineUpRequest{0, 0, 7, true, false}, Leaving::Withdrawal).saved);
                  }},
        Operation{"WithdrawingATeamUnlinked",
                  [](LeagueModel& m, const DataDir& d) {
                      ASSERT_TRUE(removeTeam(m, d, LineUpRequest{1, 4, 0, false, true}, Leaving::Withdrawal).saved);
                  }},
        Operation{"ReturningATeamLinked",
                  [](LeagueModel& m, const DataDir& d) {
                      ASSERT_EQ(returnTeam(m, d, LineUpRequest{0, 2, 3, true, false}, 1).outcome, LineUpOutcome::Done);
                  }},
        Operation{"ReturningATeamUnlinked",
                  [](LeagueModel& m, const DataDir& d) {
                      ASSERT_EQ(returnTeam(m, d, LineUpRequest{0, 5, 0, false, false}, 4).outcome, LineUpOutcome::Done);
                  }},
        Operation{"StoringARule", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(storeChangeOverRule(d, 10, 12)); }},
        Operation{"StoringARuleThatOverridesAnother",
                  [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(storeChangeOverRule(d, 5, 21)); }},
        Operation{"DeletingARule", [](LeagueModel&, const DataDir& d) { ASSERT_TRUE(deleteChangeOverRule(d, 1)); }},
        Operation{"ImportingTeams",
                  [](LeagueModel& m, const DataDir& d) {
                      // Two new teams and new details for one that is there.
                      const std::string csv = "組,チーム名,代表者名\nA1,新しいチーム,新野\n2,次のチーム,\nA1,チーム3,代表交代\n";
                      const ImportPreview p = previewImportBytes(m, d, csv);
                      ASSERT_EQ(p.teams.size(), 3u);
                      ASSERT_EQ(writeImport(m, d, p, kNow).outcome, ImportWrite::Written);
                  }},
        Operation{"CarryingOutAChangeOver",
                  [](LeagueModel& m, const DataDir& d) {
                      prepareChangeOver(m, d);
                      applyLineUpChange(m, d, 24, 200);  // suspended from the next term
                      applyLineUpChange(m, d, 200, 0);   // back from suspension
                      const ChangeOverRun run = executeChangeOver(m, d, kNow);
                      ASSERT_EQ(run.outcome, ChangeOverOutcome::Done);
                  },
                  // Group 1's last team and group 2's first change places.
                  [](const TempFolder& t) { t.write("Data/ChangePos.001", "  8 11 \n 11  8 \n"); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
