// Folders damaged in the ways real ones are: a results file cut short, a file of NULs, a
// folder where a file should be, a snapshot cut short, a field ending in half a character.
// Each is started on as the program would, then worked on; nothing is misread, no NUL is
// ever written, and what cannot be done changes nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "contacts/saved_postal_codes.h"
#include "league/suspension.h"
#include "league/team_names.h"
#include "session/league_session.h"
#include "standings/term_deletion.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct DamagedFolder {
    const char* fixture;  // a folder under tests/data/damaged
    std::function<void(const TempFolder&, LeagueModel&, const StartupResult&)> check;
};

void PrintTo(const DamagedFolder& d, std::ostream* os) {
    *os << d.fixture;
}

class DamagedFolders : public ::testing::TestWithParam<DamagedFolder> {};

TEST_P(DamagedFolders, AreReadForWhatTheyHoldAndNeverMadeWorse) {
    TempFolder t;
    fs::copy(fs::path(TALLYFOLD_FIXTURES) / "damaged" / GetParam().fixture, t.root(), fs::copy_options::recursive);
    LeagueModel m;
    const StartupResult r = loadLeague(m, t.dir(), {2026, 12, 8});
    GetParam().check(t, m, r);
    // No file the program wrote holds a NUL (the results file of NULs is left as it came).
    for (const char* file : {files::kResults, files::kTeamRegister, files::kSavedPostalCodes, files::kSuspended}) {
        if (!fs::is_regular_file(t.path(file))) continue;
        if (file == files::kResults && GetParam().fixture == std::string("results-of-nuls")) continue;
        EXPECT_EQ(t.read(file).find('\0'), std::string::npos) << file;
    }
}

// Every group shown once, as switching through the groups does: each shown team gets its record.
void showEveryGroup(LeagueModel& m, const DataDir& dir) {
    for (int g = 0; g < kGroups; ++g) {
        std::array<std::string, kTeamsPerGroup> names;
        const auto rows = readGroupRecords(dir, m.termSlotIndex, g);
        for (int r = 0; r < kTeamsPerGroup; ++r) names[r] = rows[r].substr(0, 20);
        EXPECT_TRUE(registerShownTeams(m, dir, names));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, DamagedFolders,
    ::testing::Values(DamagedFolder{"results-cut-short",
                                    [](const TempFolder& t, LeagueModel& m, const StartupResult& r) {
                                        EXPECT_TRUE(r.allFilesReady);
                                        EXPECT_EQ(m.termTeamCount, 3);
                                        // One name typed in group 20 extends the file with empty records.
                                        ASSERT_TRUE(storeTeamName(m, t.dir(), 0, 19, 0, name20("最下位")));
                                        EXPECT_EQ(m.termTeamCount, 4);
                                        EXPECT_EQ(t.size(files::kResults), resultAt(0, 192));
                                        EXPECT_EQ(t.read(files::kResults).substr(resultAt(0, 150), 46), kEmptyResult);
                                        showEveryGroup(m, t.dir());
                                        EXPECT_EQ(findTeamByName(m, t.dir(), name20("最下位")), 4);
                                        EXPECT_EQ(findOrAllocateTeam(m, t.dir(), name20("次")).recordNo, 5);
                                        // A suspension: the list gains the team and its group closes up.
                                        const int listed = m.suspendedCount;
                                        const LineUpRequest first{0, 0, 0, true, false};
                                        EXPECT_TRUE(removeTeam(m, t.dir(), first, Leaving::Suspension).saved);
                                        EXPECT_EQ(m.suspendedCount, listed + 1);
                                        EXPECT_EQ(m.termTeamCount, 3);
                                    }},
                      DamagedFolder{"results-of-nuls",
                                    [](const TempFolder& t, LeagueModel& m, const StartupResult&) {
                                        EXPECT_EQ(m.termTeamCount, 0);
                                        EXPECT_EQ(m.resultGroupCount, 0);
                                        EXPECT_EQ(m.deleteAvailable, 0);
                                        const std::string reg = t.read(files::kTeamRegister);
                                        showEveryGroup(m, t.dir());
                                        EXPECT_EQ(t.read(files::kTeamRegister), reg) << "no phantom team got a record";
                                        const std::string results = t.read(files::kResults);
                                        const LineUpRequest first{0, 0, 0, true, false};
                                        const LineUpResult none = removeTeam(m, t.dir(), first, Leaving::Withdrawal);
                                        EXPECT_EQ(none.outcome, LineUpOutcome::NoTeam);
                                        EXPECT_EQ(t.read(files::kResults), results);
                                    }},
                      DamagedFolder{"suspended-register-is-a-folder",
                                    [](const TempFolder& t, LeagueModel& m, const StartupResult& r) {
                                        EXPECT_EQ(m.suspendedCount, 0);
                                        EXPECT_FALSE(r.allFilesReady)
                                            << "a folder is reported as an unreadable register";
                                        ASSERT_TRUE(storeTeamName(m, t.dir(), 0, 0, 0, name20("一番")));
                                        const std::string results = t.read(files::kResults);
                                        const LineUpRequest first{0, 0, 0, true, false};
                                        const LineUpResult s = removeTeam(m, t.dir(), first, Leaving::Suspension);
                                        EXPECT_EQ(s.saved.failedFile(), files::kSuspended);
                                        EXPECT_EQ(t.read(files::kResults), results);
                                    }},
                      DamagedFolder{"team-snapshot-cut-short",
                                    [](const TempFolder& t, LeagueModel& m, const StartupResult&) {
                                        ASSERT_EQ(m.deleteAvailable, 1);
                                        const std::string results = t.read(files::kResults),
                                                          reg = t.read(files::kTeamRegister);
                                        const TermDeletion d = deleteNewestTermOnce(m, t.dir(), {2026, 12, 8, 9, 0, 0});
                                        EXPECT_EQ(d.outcome, TermDeletionOutcome::SnapshotDamaged);
                                        EXPECT_EQ(d.saved.failedFileName(), "Info.old");
                                        EXPECT_EQ(t.read(files::kResults), results);
                                        EXPECT_EQ(t.read(files::kTeamRegister), reg);
                                        EXPECT_EQ(m.deleteDone, 0);
                                    }},
                      DamagedFolder{"city-ends-in-half-a-character",
                                    [](const TempFolder& t, LeagueModel& m, const StartupResult&) {
                                        EXPECT_EQ(m.savedCodeCount, 1);
                                        EXPECT_EQ(t.read(files::kSavedPostalCodes),
                                                  "1000001 ab" + std::string(28, ' ') + " \n");
                                    }}),
    [](const auto& info) {
        std::string n = info.param.fixture;
        for (char& c : n)
            if (c == '-') c = '_';
        return n;
    });

}  // namespace
