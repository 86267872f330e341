// Withdrawal, suspension and return, checked byte for byte against the files as they would be
// with the teams already in their new places: every pairing keeps its result only while both
// teams share their group, every team keeps its own details, and nothing changes when the
// operation is refused or cannot be saved.

#include "league/suspension.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "standings/standings.h"
#include "store/backup.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/suspended_register.h"
#include "store/text_ops.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

// The teams of each group in row order; a team is named by the position it started in.
using Groups = std::vector<std::vector<int>>;

Groups sized(std::initializer_list<int> counts) {
    Groups gs;
    for (int n : counts) {
        std::vector<int> g;
        for (int r = 0; r < n; ++r) g.push_back(positionNumber(int(gs.size()), r));
        gs.push_back(g);
    }
    return gs;
}

std::string utf8Name(int id) {
    return "チーム" + std::to_string(id);
}

// What team a did against team b, whoever stands where.
char result(int a, int b) {
    const int lo = std::min(a, b), hi = std::max(a, b);
    const char code = "123 "[(lo * 7 + hi * 3) % 4];
    if (a == lo || code == '3' || code == ' ') return code;
    return code == '1' ? '2' : '1';
}

// Counts and rank as stored before anything changed: a team's own, wherever it stands.
std::string tail(int id) {
    return formatCount(id % 9, 2) + formatCount(3, 2) + "  " + formatCount(2 * (id % 9), 2) + "0.50" +
           formatCount(id % 10 + 1, 2);
}

std::string details(int id) {
    return teamRecord("代表" + std::to_string(id), utf8Name(id), char('a' + id % 26));
}

int groupOf(const Groups& gs, int id) {
    for (int g = 0; g < int(gs.size()); ++g)
        if (std::count(gs[g].begin(), gs[g].end(), id)) return g;
    return -1;
}

int teamAt(const Groups& gs, int g, int r) {
    return g < int(gs.size()) && r < int(gs[g].size()) ? gs[g][r] : 0;
}

// A term's records for the line-up now, given where the teams stood before. Groups whose teams
// changed have their counts, rate and rank worked out as a click on the table would.
std::string termRecords(const Groups& now, const Groups& before, bool keepRanks = false) {
    std::string block;
    for (int g = 0; g < kGroups; ++g) {
        const bool changed = (g < int(now.size()) ? now[g] : std::vector<int>()) !=
                             (g < int(before.size()) ? before[g] : std::vector<int>());
        std::array<std::string, kTeamsPerGroup> recs;
        TeamRows teams{};
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            const int id = teamAt(now, g, r);
            std::string rec = id ? name20(utf8Name(id)) : std::string(20, ' ');
            for (int c = 0; c < kTeamsPerGroup; ++c) {
                const int other = teamAt(now, g, c);
                const bool played = id && other && id != other && groupOf(before, id) == groupOf(before, other);
                rec += played ? result(id, other) : ' ';
            }
            rec += id && groupOf(before, id) == g ? tail(id) : std::string(14, ' ');
            recs[r] = rec + " \n";
            teams[r] = id != 0;
        }
        if (changed) {
            ResultsTable t = tableFromRecords(recs);
            computeStandings(t, teams, keepRanks);
            const auto fields = groupResultFields(t, keepRanks);
            for (int r = 0; r < kTeamsPerGroup; ++r) recs[r].replace(20, fields[r].size(), fields[r]);
        }
        for (const auto& rec : recs) block += rec;
    }
    return block;
}

// Two terms with the same teams; the newest one is shown.
std::string resultsFile(const std::string& newest, const std::string& older) {
    return resultsHeader("381372") + newest + older;
}

// Every team's details in the record of its position.
std::string orderedRegister(const Groups& gs) {
    std::string reg = teamRegister();
    for (int g = 0; g < int(gs.size()); ++g)
        for (int r = 0; r < int(gs[g].size()); ++r)
            reg.replace(std::size_t(positionNumber(g, r) - 1) * 1000, 1000, details(gs[g][r]));
    return reg;
}

std::string suspendedList(int n, int firstId = 900) {
    std::string list;
    for (int k = 0; k < n; ++k) list += details(firstId + k);
    return list;
}

class Suspension : public ::testing::Test {
protected:
    void TearDown() override { fileio::testing::reset(); }

    void lay(const Groups& gs, const std::string& suspended = suspendedList(3)) {
        start_ = gs;
        older_ = termRecords(gs, gs);
        t.write(files::kResults, resultsFile(older_, older_));
        t.write(files::kTeamRegister, orderedRegister(gs));
        t.write(files::kSuspended, suspended);
        m.suspendedCount = suspendedCountOf(suspended);
    }
    LineUpResult remove(int group, int row, Leaving how, bool linked = true, bool keepRanks = false) {
        return removeTeam(m, dir, LineUpRequest{0, group - 1, row - 1, linked, keepRanks}, how);
    }
    LineUpResult comeBack(int group, int row, int k, bool linked = true) {
        return returnTeam(m, dir, LineUpRequest{0, group - 1, row - 1, linked, false}, k);
    }
    void expectTerm(const Groups& now, bool keepRanks = false) {
        EXPECT_EQ(t.read(files::kResults), resultsFile(termRecords(now, start_, keepRanks), older_));
    }
    // Every file as it was: the operation was refused or could not be saved.
    struct Snapshot {
        std::string results, reg, suspended;
    };
    Snapshot files() const {
        return {t.read(::files::kResults), t.read(::files::kTeamRegister), t.read(::files::kSuspended)};
    }
    void expectUnchanged(const Snapshot& s) const {
        EXPECT_EQ(t.read(::files::kResults), s.results);
        EXPECT_EQ(t.read(::files::kTeamRegister), s.reg);
        EXPECT_EQ(t.read(::files::kSuspended), s.suspended);
        EXPECT_FALSE(t.exists(::files::kSuspendedScratch));
    }

    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m;
    Groups start_;
    std::string older_;
};

TEST_F(Suspension, LinkedSuspensionPullsTheFirstTeamOfEachLaterGroupUp) {
    lay(sized({10, 7, 5}));
    ASSERT_EQ(remove(1, 3, Leaving::Suspension).outcome, LineUpOutcome::Done);
    const Groups after{{1, 2, 4, 5, 6, 7, 8, 9, 10, 11}, {12, 13, 14, 15, 16, 17, 21}, {22, 23, 24, 25}};
    expectTerm(after);
    EXPECT_EQ(t.read(files::kTeamRegister), orderedRegister(after));
    EXPECT_EQ(t.read(files::kSuspended), suspendedList(3) + details(3));
    EXPECT_EQ(m.suspendedCount, 4);
    EXPECT_EQ(m.termTeamCount, 21);
    EXPECT_EQ(m.registeredTeams[0], 10);
    EXPECT_EQ(m.registeredTeams[2], 4);
}

TEST_F(Suspension, UnlinkedSuspensionClosesTheGapInItsGroupOnly) {
    lay(sized({10, 7, 5}));
    ASSERT_EQ(remove(1, 3, Leaving::Suspension, false).outcome, LineUpOutcome::Done);
    const Groups after{{1, 2, 4, 5, 6, 7, 8, 9, 10}, {11, 12, 13, 14, 15, 16, 17}, {21, 22, 23, 24, 25}};
    expectTerm(after);
    EXPECT_EQ(t.read(files::kTeamRegister), orderedRegister(after));
    EXPECT_EQ(t.read(files::kSuspended), suspendedList(3) + details(3));
}

TEST_F(Suspension, WithdrawalForgetsTheTeamAndTheLastRowMovesNothing) {
    lay(sized({4, 3}));
    ASSERT_EQ(remove(1, 4, Leaving::Withdrawal, false).outcome, LineUpOutcome::Done);
    Groups after{{1, 2, 3}, {11, 12, 13}};
    expectTerm(after);
    EXPECT_EQ(t.read(files::kTeamRegister), orderedRegister(after));
    EXPECT_EQ(t.read(files::kSuspended), suspendedList(3));
    EXPECT_EQ(m.suspendedCount, 3);
    // Linked, the chain stops at the first empty group.
    start_ = after;
    older_ = termRecords(after, after);
    t.write(files::kResults, resultsFile(older_, older_));
    ASSERT_EQ(remove(2, 1, Leaving::Withdrawal).outcome, LineUpOutcome::Done);
    expectTerm({{1, 2, 3}, {12, 13}});
}

TEST_F(Suspension, ManualRanksStayWithTheirTeamsWhileCountsAreWorkedOut) {
    lay(sized({6, 6}));
    ASSERT_EQ(remove(1, 2, Leaving::Withdrawal, true, true).outcome, LineUpOutcome::Done);
    expectTerm({{1, 3, 4, 5, 6, 11}, {12, 13, 14, 15, 16}}, true);
}

TEST_F(Suspension, AReturnIntoAFullGroupPassesTheLastTeamsOnAndTheLastGroupGrows) {
    lay(sized({10, 7, 5}));
    ASSERT_EQ(comeBack(1, 3, 1).outcome, LineUpOutcome::Done);
    const Groups after{{1, 2, 901, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16}, {17, 21, 22, 23, 24, 25}};
    expectTerm(after);
    EXPECT_EQ(t.read(files::kTeamRegister), orderedRegister(after));
    EXPECT_EQ(t.read(files::kSuspended), details(900) + details(902));
    EXPECT_EQ(t.read(files::kSuspendedScratch), details(900) + details(902));
    EXPECT_EQ(m.suspendedCount, 2);
    EXPECT_EQ(m.currentRecordNo, 3);
}

TEST_F(Suspension, AReturnPastTheLastTeamJoinsThatGroupAndMovesNobody) {
    lay(sized({4, 2}));
    ASSERT_EQ(comeBack(1, 8, 0).outcome, LineUpOutcome::Done);
    expectTerm({{1, 2, 3, 4, 900}, {11, 12}});
    EXPECT_EQ(m.currentRecordNo, 5);
}

TEST_F(Suspension, WhenTheLastGroupInUseIsFullTheNextEmptyGroupTakesTheTeam) {
    lay(sized({10, 10}));
    ASSERT_EQ(comeBack(2, 1, 2).outcome, LineUpOutcome::Done);
    const Groups after{sized({10})[0], {902, 11, 12, 13, 14, 15, 16, 17, 18, 19}, {20}};
    expectTerm(after);
    EXPECT_EQ(t.read(files::kTeamRegister), orderedRegister(after));
}

TEST_F(Suspension, RefusalsLeaveEveryFileAsItWas) {
    lay(sized({10, 3}), suspendedList(100));
    const Snapshot before = files();
    EXPECT_EQ(comeBack(1, 2, 0, false).outcome, LineUpOutcome::GroupFull);
    EXPECT_EQ(remove(1, 5, Leaving::Suspension).outcome, LineUpOutcome::ListFull);
    EXPECT_EQ(remove(2, 4, Leaving::Withdrawal).outcome, LineUpOutcome::NoTeam);
    EXPECT_EQ(comeBack(1, 1, 100).outcome, LineUpOutcome::NoTeam);
    expectUnchanged(before);
    EXPECT_EQ(m.suspendedCount, 100);

    Groups all;
    for (int g = 0; g < kGroups; ++g) all.push_back(sized({10})[0]);
    for (int g = 0; g < kGroups; ++g)
        for (int& id : all[g]) id += g * 10;
    lay(all);
    const Snapshot full = files();
    EXPECT_EQ(comeBack(5, 1, 0).outcome, LineUpOutcome::NoGroupLeft);
    expectUnchanged(full);
}

TEST_F(Suspension, AFileThatCannotBeWrittenChangesNothing) {
    lay(sized({5, 5}));
    const Snapshot before = files();
    const std::string reg = t.path(files::kTeamRegister);
    fileio::testing::failWritesWhen(
        [reg](const fileio::testing::WriteAttempt& a) { return a.path.rfind(reg, 0) == 0; });
    const LineUpResult r = remove(1, 1, Leaving::Suspension);
    EXPECT_EQ(r.outcome, LineUpOutcome::NotSaved);
    EXPECT_EQ(r.saved.failedFile(), files::kTeamRegister);
    expectUnchanged(before);
    EXPECT_EQ(m.suspendedCount, 3);

    fileio::testing::reset();
    std::filesystem::remove(t.path(files::kSuspended));
    std::filesystem::create_directory(t.path(files::kSuspended));
    EXPECT_EQ(comeBack(1, 1, 0).saved.failedFile(), files::kSuspended);
    EXPECT_EQ(t.read(files::kResults), before.results);
}

// Contact details typed in for only some teams: the group reaches as far as its named rows.
TEST_F(Suspension, AGroupWithHalfItsDetailsTypedInBehavesLikeAComplete) {
    const Groups gs = sized({10, 4});
    lay(gs);
    std::string reg = t.read(files::kTeamRegister);
    for (int n : {2, 5, 6, 7, 8, 9}) reg.replace(std::size_t(n - 1) * 1000, 16, std::string(16, ' '));
    t.write(files::kTeamRegister, reg);

    ASSERT_EQ(remove(1, 10, Leaving::Suspension).outcome, LineUpOutcome::Done);
    const Groups after{{1, 2, 3, 4, 5, 6, 7, 8, 9, 11}, {12, 13, 14}};
    expectTerm(after);
    start_ = after;
    ASSERT_EQ(comeBack(1, 2, 3, false).outcome, LineUpOutcome::GroupFull);
    ASSERT_EQ(comeBack(1, 2, 3).outcome, LineUpOutcome::Done);
    expectTerm({{1, 10, 2, 3, 4, 5, 6, 7, 8, 9}, {11, 12, 13, 14}});
    // The returned team has its record and full details back; so has every other team.
    const std::string now = t.read(files::kTeamRegister);
    EXPECT_EQ(now.substr(1000, 1000), details(10));
    EXPECT_EQ(now.substr(2000, 16), std::string(16, ' '));  // team 2's representative was never typed
    EXPECT_EQ(now.substr(2000 + 16, 984), details(2).substr(16));
}

// A register left out of position order by an older program's change-over: teams are found by name.
TEST_F(Suspension, DetailsFollowTheirTeamsInARegisterOutOfOrder) {
    lay(sized({5, 3}));
    std::string reg = teamRegister();
    const int ids[] = {1, 2, 3, 4, 5, 11, 12, 13};
    const int places[] = {40, 7, 3, 2, 66, 12, 200, 1};  // where their records lie; team 3's in position
    for (int i = 0; i < 8; ++i) reg.replace(std::size_t(places[i] - 1) * 1000, 1000, details(ids[i]));
    reg.replace(5000, 1000, teamRecord("他", "よそのチーム"));  // record 6 belongs to no team shown
    t.write(files::kTeamRegister, reg);

    ASSERT_EQ(remove(1, 2, Leaving::Suspension).outcome, LineUpOutcome::Done);
    std::string expected = reg;
    expected.replace(6000, 1000, kEmptyTeam);  // team 2's record, and nothing else
    EXPECT_EQ(t.read(files::kTeamRegister), expected);
    EXPECT_EQ(t.read(files::kSuspended), suspendedList(3) + details(2));

    ASSERT_EQ(comeBack(1, 2, 3, false).outcome, LineUpOutcome::Done);
    // Its own position's record is another team's: it takes the first free one, as it was.
    expected.replace(3000, 1000, details(2));
    EXPECT_EQ(t.read(files::kTeamRegister), expected);
    EXPECT_EQ(t.read(files::kSuspended), suspendedList(3));
}

TEST_F(Suspension, OnlyTheShownTermChangesEvenWhenItIsAnOlderOne) {
    lay(sized({3}));
    const std::string newest = t.read(files::kResults).substr(32, 9200);
    ASSERT_EQ(removeTeam(m, dir, LineUpRequest{1, 0, 0, true, false}, Leaving::Withdrawal).outcome,
              LineUpOutcome::Done);
    EXPECT_EQ(t.read(files::kResults), resultsHeader("381372") + newest + termRecords({{2, 3}}, start_));
    // The team still plays in the newest term, so it keeps its details.
    EXPECT_EQ(t.read(files::kTeamRegister), orderedRegister(start_));
}

// Two teams of one name: the one that leaves takes the record at its own position.
TEST_F(Suspension, OfTwoTeamsWithOneNameEachKeepsItsOwnDetails) {
    lay(sized({5, 3}));
    std::string results = t.read(files::kResults);
    for (int slot : {0, 1}) results.replace(resultAt(slot, 4), 20, name20(utf8Name(2)));
    t.write(files::kResults, results);
    start_ = sized({5, 3});
    older_ = results.substr(resultAt(1, 1), 9200);
    std::string reg = t.read(files::kTeamRegister);
    reg.replace(::teamAt(4) + 611, 20, name20(utf8Name(2)));
    t.write(files::kTeamRegister, reg);

    ASSERT_EQ(remove(1, 4, Leaving::Suspension, false).outcome, LineUpOutcome::Done);
    EXPECT_EQ(t.read(files::kSuspended), suspendedList(3) + suspendedRecordFrom(reg.substr(::teamAt(4), 1000)));
    // The other keeps its record; the leaving one's record is free for the team moving up.
    const std::string now = t.read(files::kTeamRegister);
    EXPECT_EQ(now.substr(::teamAt(2), 1000), details(2));
    EXPECT_EQ(now.substr(::teamAt(4), 1000), details(5));
}

TEST_F(Suspension, TheGroupsAChangeWouldReachAreKnownBeforehand) {
    lay(sized({10, 7, 5, 0, 3}));
    auto at = [](int group, int row, bool linked) { return LineUpRequest{0, group - 1, row - 1, linked, false}; };
    EXPECT_EQ(groupsChangedByRemoval(dir, at(1, 3, true)), (std::vector<int>{0, 1, 2}));  // up to the empty group
    EXPECT_EQ(groupsChangedByRemoval(dir, at(2, 7, false)), std::vector<int>{1});
    EXPECT_EQ(groupsChangedByRemoval(dir, at(2, 9, true)), std::vector<int>{});  // no team there
    EXPECT_EQ(groupsChangedByReturn(dir, at(2, 1, true)), (std::vector<int>{1, 2}));
    EXPECT_EQ(groupsChangedByReturn(dir, at(3, 9, true)), std::vector<int>{2});  // past its last team
    EXPECT_EQ(groupsChangedByReturn(dir, at(1, 1, false)), std::vector<int>{});  // full, unlinked
}

TEST_F(Suspension, EachChangeIsBackedUpFirstAndTheCopyKeptOnlyWhenItWentThrough) {
    lay(sized({5, 5}));
    const std::string results = t.read(files::kResults);
    const LocalDateTime noon{2026, 12, 8, 12, 0, 0};
    ASSERT_EQ(removeTeam(m, dir, LineUpRequest{0, 0, 0, true, false}, Leaving::Suspension, noon).outcome,
              LineUpOutcome::Done);
    EXPECT_EQ(t.read("Backup/Data-20261208-120000/Seiseki.001"), results);
    EXPECT_EQ(t.read("Backup/Data-20261208-120000/Operation.txt"), "休会\n");
    ASSERT_EQ(returnTeam(m, dir, LineUpRequest{0, 1, 0, true, false}, 0, noon).outcome, LineUpOutcome::Done);
    EXPECT_EQ(t.read("Backup/Data-20261208-120000-2/Operation.txt"), "復帰\n");
    ASSERT_EQ(withdrawSuspended(m, dir, 0, noon).outcome, LineUpOutcome::Done);
    EXPECT_EQ(t.read("Backup/Data-20261208-120000-3/Operation.txt"), "退会\n");

    const std::string reg = t.path(files::kTeamRegister);
    fileio::testing::failWritesWhen(
        [reg](const fileio::testing::WriteAttempt& a) { return a.path.rfind(reg, 0) == 0; });
    EXPECT_EQ(removeTeam(m, dir, LineUpRequest{0, 0, 0, true, false}, Leaving::Withdrawal, noon).outcome,
              LineUpOutcome::NotSaved);
    EXPECT_FALSE(t.exists("Backup/Data-20261208-120000-4"));
}

}  // namespace
