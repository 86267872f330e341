// The next term's line-up: the draft from the final ranks, the rules stored by "変更する" and
// read back at the next start, suspensions and returns, the teams per group, and the checks
// a line-up must pass.

#include "league/change_over_lineup.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "league/change_over_rules.h"
#include "session/league_session.h"
#include "store/file_io.h"
#include "store/settings_files.h"
#include "support/league_folder.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

const CalendarDate kToday{2026, 12, 8};

std::string rule(int target, int source) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d%3d \n", target, source);
    return buf;
}

class LineUp : public ::testing::Test {
protected:
    // Groups of the given size, three suspended teams, no rules, no ranks stored.
    void lay(int groups, int teams, int suspended = 3) {
        layLeague(t, LeagueShape{groups, teams, 2, suspended, 0});
        start();
    }
    void start() {
        m = LeagueModel();
        loadLeague(m, dir, kToday);
        names = prepareChangeOver(m, dir);
    }
    LineUpChange change(int q, int p) { return applyLineUpChange(m, dir, q, p).kind; }
    // Teams of slots [from, to).
    std::vector<int> teams(int from, int to) const {
        return std::vector<int>(m.NextTermTeam.begin() + from, m.NextTermTeam.begin() + to);
    }
    static std::vector<int> range(int first, int last) {
        std::vector<int> v;
        for (int i = first; i <= last; ++i) v.push_back(i);
        return v;
    }
    static std::vector<int> join(std::initializer_list<std::vector<int>> parts) {
        std::vector<int> v;
        for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
        return v;
    }
    std::array<int, 3> counts() const { return {m.resultTeams[0], m.resultTeams[1], m.resultTeams[2]}; }

    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m;
    DraftTeams names;
};

TEST_F(LineUp, TheDraftListsEveryTeamByItsStoredRank) {
    // Group 1: ranks 3, 1, none, 1 again (a tie: both at rank 1 in row order, before the 3rd);
    // group 2: no ranks at all.
    std::string block = termBlock({{1, resultRecord("甲", std::string(22, ' ') + " 3")},
                                   {2, resultRecord("乙", std::string(22, ' ') + " 1")},
                                   {3, resultRecord("丙")},
                                   {4, resultRecord("丁", std::string(22, ' ') + " 1")},
                                   {11, resultRecord("戊")},
                                   {12, resultRecord("己")}});
    t.write("Data/Seiseki.001", resultsHeader("381") + block);
    t.write("Data/Kyuubu.001", teamRecord("代表", "休会一") + teamRecord("代表", "休会二"));
    start();
    EXPECT_EQ(std::vector<int>(m.RankedTeamRecord.begin(), m.RankedTeamRecord.begin() + 5),
              (std::vector<int>{2, 4, 1, 3, 0}));
    EXPECT_EQ(m.RankedTeamRecord[10], 11);
    EXPECT_EQ(m.RankedTeamRecord[11], 12);
    EXPECT_EQ(m.RankedTeamRecord[200], 201);
    EXPECT_EQ(m.RankedTeamRecord[201], 202);
    EXPECT_EQ(m.RankedTeamRecord[202], 0);
    EXPECT_EQ(names.name(2), name20("乙"));
    EXPECT_EQ(names.name(202), name20("休会二"));
    EXPECT_EQ(m.resultTeams[0], 4);
    EXPECT_EQ(m.teamMax[1], 2);
    // With no rules stored the revised line-up is the draft.
    EXPECT_EQ(m.NextTermTeam, m.RankedTeamRecord);
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);
}

TEST_F(LineUp, AnExchangeStoresTwoRulesAndAnotherForTheSameTargetReplacesIt) {
    lay(3, 10);
    EXPECT_EQ(change(9, 10), LineUpChange::Moved);  // A's 10th to B's 1st
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::Gap);
    EXPECT_EQ(change(10, 9), LineUpChange::Moved);  // and back
    EXPECT_EQ(t.read("Data/ChangePos.001"), rule(10, 11) + rule(11, 10));
    EXPECT_EQ(teams(8, 12), (std::vector<int>{9, 11, 10, 12}));
    EXPECT_EQ(counts(), (std::array<int, 3>{10, 10, 10}));
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);

    EXPECT_EQ(change(9, 11), LineUpChange::Moved);
    EXPECT_EQ(t.read("Data/ChangePos.001"), rule(10, 12) + rule(11, 10));
    // A rule that no longer holds for the revised position is dropped.
    EXPECT_EQ(change(19, 11), LineUpChange::Moved);
    EXPECT_EQ(t.read("Data/ChangePos.001"), rule(11, 10) + rule(20, 12));
    EXPECT_EQ(ruleSourceFor(dir, 20), 12);
}

TEST_F(LineUp, MovesIntoOrOutOfTheSuspendedColumnStoreNoRule) {
    lay(3, 10);
    EXPECT_EQ(change(200, 201), LineUpChange::Nothing);
    EXPECT_EQ(change(4, 200), LineUpChange::Suspended);
    EXPECT_EQ(change(201, 5), LineUpChange::Returned);
    EXPECT_EQ(t.read("Data/ChangePos.001"), "");
}

TEST_F(LineUp, AChainMadeOnScreenIsTheSameAfterARestart) {
    lay(3, 10);
    change(9, 10);   // A10 -> B1
    change(10, 20);  // B1 -> C1
    change(20, 9);   // C1 -> A10
    const auto onScreen = m.NextTermTeam;
    EXPECT_EQ(teams(9, 11), (std::vector<int>{21, 10}));
    EXPECT_EQ(m.NextTermTeam[20], 11);
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);
    ASSERT_TRUE(closeLeague(m, dir));
    start();
    EXPECT_EQ(m.NextTermTeam, onScreen);
}

TEST_F(LineUp, ASuspendedTeamLeavesAndTheTeamsAfterItMoveUp) {
    lay(3, 10);
    EXPECT_EQ(change(4, 201), LineUpChange::Suspended);
    EXPECT_EQ(teams(0, 30), join({range(1, 4), range(6, 11), range(12, 21), range(22, 30), {0}}));
    EXPECT_EQ(counts(), (std::array<int, 3>{10, 10, 9}));
    EXPECT_EQ(teams(200, 205), (std::vector<int>{201, 5, 202, 203, 0}));
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);
}

TEST_F(LineUp, AReturningTeamPushesTheOthersDownAndTheLastGroupGrows) {
    lay(3, 8);
    EXPECT_EQ(change(200, 13), LineUpChange::Returned);  // into B's 4th row
    EXPECT_EQ(teams(10, 18), join({range(11, 13), {201}, range(14, 17)}));
    EXPECT_EQ(teams(20, 29), join({{18}, range(21, 28)}));
    EXPECT_EQ(counts(), (std::array<int, 3>{8, 8, 9}));
    EXPECT_EQ(teams(200, 203), (std::vector<int>{202, 203, 0}));

    // A row past the group's last team puts it after that team; an empty group takes one.
    EXPECT_EQ(change(201, 9), LineUpChange::Returned);
    EXPECT_EQ(m.NextTermTeam[8], 202);
    EXPECT_EQ(teams(10, 18), join({range(11, 13), {201}, range(14, 17)}));
    EXPECT_EQ(change(202, 45), LineUpChange::Returned);
    EXPECT_EQ(m.NextTermTeam[40], 203);
    EXPECT_EQ(m.resultTeams[4], 1);
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);
}

TEST_F(LineUp, AReturnIntoAFullLastGroupIsRefusedOtherwiseTheNextGroupTakesTheLastTeam) {
    lay(2, 10);
    const auto before = m.NextTermTeam;
    const LineUpChangeResult refused = applyLineUpChange(m, dir, 200, 15);
    EXPECT_EQ(refused.kind, LineUpChange::GroupFull);
    EXPECT_EQ(refused.group, 1);
    EXPECT_EQ(m.NextTermTeam, before);
    EXPECT_EQ(m.resultTeams[1], 10);

    EXPECT_EQ(change(200, 0), LineUpChange::Returned);
    EXPECT_EQ(m.NextTermTeam[0], 201);
    EXPECT_EQ(m.NextTermTeam[10], 10);
    EXPECT_EQ(m.NextTermTeam[20], 20);
    EXPECT_EQ(counts(), (std::array<int, 3>{10, 10, 1}));
}

TEST_F(LineUp, ASuspensionPastTheColumnsEndJoinsItAtItsEnd) {
    lay(3, 10, 3);
    EXPECT_EQ(suspendedColumnLength(m.NextTermTeam), 3);
    EXPECT_EQ(change(4, 250), LineUpChange::Suspended);
    EXPECT_EQ(teams(200, 205), (std::vector<int>{201, 202, 203, 5, 0}));
    EXPECT_EQ(suspendedColumnLength(m.NextTermTeam), 4);
}

TEST_F(LineUp, TheSuspendedColumnHoldsAHundredTeams) {
    lay(3, 10, 100);
    EXPECT_EQ(applyLineUpChange(m, dir, 3, 200).kind, LineUpChange::SuspendedFull);
    EXPECT_EQ(m.NextTermTeam[3], 4);
    EXPECT_EQ(change(200, 0), LineUpChange::Returned);  // and then there is room again
    EXPECT_EQ(change(3, 200), LineUpChange::Suspended);
}

TEST_F(LineUp, NewCountsPourTheLineUpIntoTheGroupsInOrder) {
    lay(3, 8);
    ASSERT_EQ(reflowTeamsPerGroup(m, {10, 8, 8}).kind, CountsChange::Applied);
    EXPECT_EQ(teams(0, 10), join({range(1, 8), {11, 12}}));
    EXPECT_EQ(teams(10, 18), join({range(13, 18), {21, 22}}));
    EXPECT_EQ(teams(20, 26), range(23, 28));
    EXPECT_EQ(counts(), (std::array<int, 3>{10, 8, 6}));  // the last group counts what it received
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);

    const auto before = m.NextTermTeam;
    const CountsChange tooFew = reflowTeamsPerGroup(m, {10, 8, 5});
    EXPECT_EQ(tooFew.kind, CountsChange::TooFew);
    EXPECT_EQ(tooFew.entries, 24);
    const CountsChange tooMany = reflowTeamsPerGroup(m, {11, 8, 8});
    EXPECT_EQ(tooMany.kind, CountsChange::OutOfRange);
    EXPECT_EQ(tooMany.group, 0);
    EXPECT_EQ(reflowTeamsPerGroup(m, {8, 8, -1}).kind, CountsChange::OutOfRange);
    EXPECT_EQ(m.NextTermTeam, before);
    EXPECT_EQ(counts(), (std::array<int, 3>{10, 8, 6}));
}

TEST_F(LineUp, ChecksNameTheFirstProblem) {
    lay(3, 10);
    m.NextTermTeam[9] = 11;  // B1's team in A's 10th row as well
    LineUpProblem p = checkLineUp(m);
    EXPECT_EQ(p.kind, LineUpProblem::Twice);
    EXPECT_EQ(p.team, 11);

    m.NextTermTeam[9] = 10;
    m.NextTermTeam[29] = 0;
    m.resultTeams[2] = 9;
    p = checkLineUp(m);
    EXPECT_EQ(p.kind, LineUpProblem::Missing);
    EXPECT_EQ(p.team, 30);

    m.NextTermTeam[29] = 30;
    p = checkLineUp(m);
    EXPECT_EQ(p.kind, LineUpProblem::BeyondCount);
    EXPECT_EQ(p.group, 2);
    EXPECT_EQ(p.row, 9);

    m.resultTeams[1] = 11;
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::BadCount);
}

TEST_F(LineUp, ARuleThatPlacesATeamAfterAGroupsLastTeamGrowsTheGroupAndIsNamedForTheGap) {
    lay(3, 8);
    t.write("Data/ChangePos.001", rule(8, 19));  // A8 into B's empty 9th row
    start();
    EXPECT_EQ(m.resultTeams[1], 9);
    EXPECT_EQ(m.NextTermTeam[18], 8);
    EXPECT_EQ(m.NextTermTeam[7], 0) << "A8 sits in one place only";
    const LineUpProblem p = checkLineUp(m);
    ASSERT_EQ(p.kind, LineUpProblem::Gap);
    EXPECT_EQ(positionNumber(p.group, p.row), 8);
    const auto rules = readChangeOverRules(dir);
    EXPECT_EQ(ruleBehindGap(rules, 8)->source, 19);

    // A gap before a team that a rule placed further down its group names that rule.
    t.write("Data/ChangePos.001", rule(8, 20));
    EXPECT_EQ(ruleBehindGap(readChangeOverRules(dir), 19)->target, 8);
    EXPECT_FALSE(ruleBehindGap(readChangeOverRules(dir), 21).has_value());
}

TEST_F(LineUp, TheRulesPlaceEveryDraftTeamExactlyOnce) {
    lay(3, 10);
    // Half an exchange (A10 to B1): B's first team takes the row A's 10th left.
    t.write("Data/ChangePos.001", rule(10, 11));
    start();
    EXPECT_EQ(teams(9, 11), (std::vector<int>{11, 10}));
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);
    EXPECT_TRUE(names.unusedRules.empty());

    // Two rules for one target in an older file: the later one holds, and the other's revised
    // slot keeps its own team.
    t.write("Data/ChangePos.001", rule(10, 21) + rule(10, 11) + rule(11, 10));
    start();
    EXPECT_EQ(teams(9, 11), (std::vector<int>{11, 10}));
    EXPECT_EQ(m.NextTermTeam[20], 21);
    EXPECT_EQ(checkLineUp(m).kind, LineUpProblem::None);
}

TEST_F(LineUp, RulesThatPlaceNoTeamThisTermAreNamedAndLeaveTheLineUpAlone) {
    lay(3, 8);
    // From A's empty 9th row to B1; a temporary rule of the older program (a suspended team
    // to A3); a damaged record.
    t.write("Data/ChangePos.001", rule(9, 11) + rule(205, 3) + rule(0, 4) + rule(11, 9));
    start();
    ASSERT_EQ(names.unusedRules.size(), 3u);
    EXPECT_EQ(names.unusedRules[0].rule.target, 9);
    EXPECT_EQ(names.unusedRules[0].why, UnusedRule::EmptyDraft);
    EXPECT_EQ(names.unusedRules[1].rule.target, 205);
    EXPECT_EQ(names.unusedRules[1].why, UnusedRule::Temporary);
    EXPECT_EQ(names.unusedRules[2].why, UnusedRule::Temporary);
    EXPECT_EQ(teams(0, 4), (std::vector<int>{1, 2, 3, 4}));
    // B1's team goes up to A's 9th row; its own row is the gap the F1 check names.
    EXPECT_EQ(m.NextTermTeam[8], 11);
    EXPECT_EQ(m.NextTermTeam[10], 0);
    EXPECT_EQ(m.resultTeams[0], 9);
    const LineUpProblem p = checkLineUp(m);
    EXPECT_EQ(p.kind, LineUpProblem::Gap);
    EXPECT_EQ(ruleBehindGap(readChangeOverRules(dir), positionNumber(p.group, p.row))->source, 9);
}

TEST_F(LineUp, AnEmptyDraftCellOrATeamLeftInItsPlaceStoresNoRule) {
    lay(3, 8);
    const auto before = m.NextTermTeam;
    EXPECT_EQ(change(8, 0), LineUpChange::Nothing);  // A's empty 9th row onto A1
    EXPECT_EQ(change(8, 200), LineUpChange::Nothing);
    EXPECT_EQ(m.NextTermTeam, before);
    EXPECT_FALSE(t.exists("Data/ChangePos.001") && !t.read("Data/ChangePos.001").empty());

    EXPECT_EQ(change(1, 1), LineUpChange::Moved);
    EXPECT_EQ(m.NextTermTeam, before);
    EXPECT_EQ(t.read("Data/ChangePos.001"), "");

    // Putting a moved team back in its own place takes its rule away.
    change(1, 10);
    EXPECT_EQ(t.read("Data/ChangePos.001"), rule(2, 11));
    change(1, 1);
    EXPECT_EQ(t.read("Data/ChangePos.001"), "");
    EXPECT_EQ(m.NextTermTeam[1], 2);
}

TEST_F(LineUp, ARuleThatCannotBeStoredMovesNothing) {
    lay(3, 10);
    const std::string path = t.path("Data/ChangePos.001");
    fileio::testing::failWritesWhen([&](const fileio::testing::WriteAttempt& a) { return a.path.rfind(path, 0) == 0; });
    const auto before = m.NextTermTeam;
    const LineUpChangeResult r = applyLineUpChange(m, dir, 9, 10);
    fileio::testing::reset();
    EXPECT_EQ(r.kind, LineUpChange::NotSaved);
    EXPECT_EQ(r.saved.failedFile(), "Data/ChangePos.001");
    EXPECT_EQ(m.NextTermTeam, before);
    EXPECT_EQ(counts(), (std::array<int, 3>{10, 10, 10}));
}

TEST_F(LineUp, LeavingLosesWhatNoRuleKeeps) {
    lay(3, 10);
    EXPECT_FALSE(lineUpDiffersFromRules(m, dir));
    change(9, 10);  // half an exchange: A10 is empty on screen, but not after reopening
    EXPECT_TRUE(lineUpDiffersFromRules(m, dir));
    change(10, 9);
    EXPECT_FALSE(lineUpDiffersFromRules(m, dir));

    change(4, 200);
    EXPECT_TRUE(lineUpDiffersFromRules(m, dir));
    start();
    change(200, 5);
    EXPECT_TRUE(lineUpDiffersFromRules(m, dir));
    start();
    ASSERT_EQ(reflowTeamsPerGroup(m, {10, 9, 10, 1}).kind, CountsChange::Applied);
    EXPECT_TRUE(lineUpDiffersFromRules(m, dir));
    start();
    ASSERT_EQ(reflowTeamsPerGroup(m, {10, 10, 10}).kind, CountsChange::Applied);
    EXPECT_FALSE(lineUpDiffersFromRules(m, dir));
}

}  // namespace
