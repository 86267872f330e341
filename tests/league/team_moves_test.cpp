// Moving a team one row up or down: the results of the shown term and the team register,
// checked byte for byte against the file as it would have been written with the teams
// already in their new order.

#include "league/team_moves.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

using Order = std::array<int, kTeamsPerGroup>;  // team in each row

// Ten teams with a result of every pairing; what team a scored against team b does not
// depend on where either stands, so the records of any order can be built from it.
char result(int a, int b) {
    if (a == b) return ' ';
    const int lo = std::min(a, b), hi = std::max(a, b);
    const char code = "123 "[(lo * 7 + hi * 3) % 4];  // win, loss, draw or not played, seen from lo
    if (a == lo || code == '3' || code == ' ') return code;
    return code == '1' ? '2' : '1';
}

std::string teamName(int team) {
    return padField("Team" + std::to_string(team), false, 20);
}

// Counts, rate and rank of a team: its own bytes, whatever row it stands in.
std::string tail(int team) {
    return formatCount(team, 2) + formatCount(9 - team, 2) + "  " + formatCount(2 * team, 2) + "0.50" +
           formatCount(10 - team, 2) + " \n";
}

std::string groupRecords(const Order& order) {
    std::string out;
    for (int r = 0; r < kTeamsPerGroup; ++r) {
        std::string rec = teamName(order[r]);
        for (int c = 0; c < kTeamsPerGroup; ++c) rec += result(order[r], order[c]);
        out += rec + tail(order[r]);
    }
    return out;
}

// Two terms; the shown group is group 2 (slot 1) in the term given, the same teams stand in
// the other term's group 2 too, and group 1 of both terms holds others.
std::string resultsFile(const Order& shownOrder, int shownSlot) {
    std::string file = padField("381372", false, 30) + " \n";
    const Order identity = [] {
        Order o;
        std::iota(o.begin(), o.end(), 0);
        return o;
    }();
    for (int s = 0; s < 2; ++s) {
        std::string block = repeatRecord(kEmptyResult, kTeamPositions);
        block.replace(0, 46, padField("Other", false, 45) + "\n");
        block.replace(std::size_t(kTeamsPerGroup) * 46, 460, groupRecords(s == shownSlot ? shownOrder : identity));
        file += block;
    }
    return file;
}

std::string numberedTeam(int team) {
    std::string r = kEmptyTeam;
    r.replace(0, 16, padField("Rep" + std::to_string(team), false, 16));
    r.replace(611, 20, teamName(team));
    return r;
}

std::string registerFile(const Order& order) {
    std::string reg = repeatRecord(kEmptyTeam, kTeamPositions);
    for (int r = 0; r < kTeamsPerGroup; ++r) reg.replace(std::size_t(10 + r) * 1000, 1000, numberedTeam(order[r]));
    return reg;
}

Order swapped(Order o, int a, int b) {
    std::swap(o[a], o[b]);
    return o;
}

class TeamMoves : public ::testing::Test {
protected:
    TempFolder t;
    LeagueModel m;
    DataDir dir = t.dir();
    const Order start{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    int shown_ = 0;

    void lay(int shownSlot) {
        shown_ = shownSlot;
        t.write(files::kResults, resultsFile(start, shownSlot));
        t.write(files::kTeamRegister, registerFile(start));
    }
    SaveResult move(int row, MoveDirection d) { return moveTeam(m, dir, shown_, 1, row, d); }
};

TEST_F(TeamMoves, DownFromRowNineTakesResultsRegisterAndEveryOtherRowsResultsAlong) {
    lay(0);
    ASSERT_TRUE(move(8, MoveDirection::Down));
    EXPECT_EQ(t.read(files::kResults), resultsFile(swapped(start, 8, 9), 0));
    EXPECT_EQ(t.read(files::kTeamRegister), registerFile(swapped(start, 8, 9)));
    // The moved team is the current team in its new row.
    EXPECT_EQ(m.currentRecordNo, 20);
    EXPECT_EQ(m.selectedRow, 9);
}

TEST_F(TeamMoves, UpChangesOnlyTheShownTermEvenWhenItIsAnOlderOne) {
    lay(1);
    ASSERT_TRUE(move(4, MoveDirection::Up));
    EXPECT_EQ(t.read(files::kResults), resultsFile(swapped(start, 3, 4), 1));
    EXPECT_EQ(t.read(files::kTeamRegister), registerFile(swapped(start, 3, 4)));
    // Moving back restores every byte.
    ASSERT_TRUE(move(3, MoveDirection::Down));
    EXPECT_EQ(t.read(files::kResults), resultsFile(start, 1));
    EXPECT_EQ(t.read(files::kTeamRegister), registerFile(start));
}

TEST_F(TeamMoves, TheEndRowsAndAMissingFileChangeNothing) {
    lay(0);
    const std::string results = t.read(files::kResults), reg = t.read(files::kTeamRegister);
    EXPECT_FALSE(canMove(0, MoveDirection::Up));
    EXPECT_FALSE(canMove(9, MoveDirection::Down));
    EXPECT_TRUE(move(0, MoveDirection::Up));  // nothing to do, nothing fails
    EXPECT_TRUE(move(9, MoveDirection::Down));
    EXPECT_EQ(t.read(files::kResults), results);
    EXPECT_EQ(t.read(files::kTeamRegister), reg);

    std::filesystem::remove(t.path(files::kTeamRegister));
    EXPECT_EQ(move(2, MoveDirection::Down).failedFile(), files::kTeamRegister);
    EXPECT_EQ(m.selectedRow, 2);  // the team did not move
    EXPECT_EQ(t.read(files::kResults), results);
    EXPECT_FALSE(t.exists(files::kTeamRegister));
}

TEST_F(TeamMoves, SwappingAcrossGroupsLeavesTheResultBytesOfBothGroupsAlone) {
    lay(0);
    std::string expected = t.read(files::kResults);
    const std::string first = expected.substr(resultRecordOffset(0, 1), 46);
    const std::string eleventh = expected.substr(resultRecordOffset(0, 11), 46);
    ASSERT_TRUE(swapTeams(m, dir, 0, 1, 11));
    expected.replace(resultRecordOffset(0, 1), 46, eleventh);
    expected.replace(resultRecordOffset(0, 11), 46, first);
    EXPECT_EQ(t.read(files::kResults), expected);
}

}  // namespace
