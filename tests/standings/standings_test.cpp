// RecomputeStandings: the counts it works out and the exact bytes it leaves in the results file.

#include "standings/standings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "standings/result_codes.h"
#include "store/results_file.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

// A whole 46-byte record: results left-aligned in 10, each count right-aligned in 2.
std::string rec(const std::string& team, const std::string& results, const char* wins, const char* losses,
                const char* draws, const char* points, const char* rate, const char* rank) {
    std::string r = name20(team) + results + std::string(10 - results.size(), ' ');
    for (const char* count : {wins, losses, draws, points}) r += std::string(2 - std::strlen(count), ' ') + count;
    return r + rate + std::string(2 - std::strlen(rank), ' ') + rank + " \n";
}

class Standings : public ::testing::Test {
protected:
    void SetUp() override {
        // Header and two blocks, so that the second term and the second group can be checked.
        folder_.write(files::kResults, resultsHeader("220") + termBlock() + termBlock());
    }
    SaveResult recompute(bool keepManualRanks = false) {
        return RecomputeStandings(m_.table, folder_.dir(), termSlot_, group_ - 1, teams_, keepManualRanks);
    }
    void name(int row, const std::string& text) {
        folder_.write(files::kResults, patched(row, 0, name20(text)));
        teams_[row - 1] = true;
    }
    std::string patched(int row, int offset, const std::string& bytes) {
        std::string file = folder_.read(files::kResults);
        file.replace(resultRecordOffset(termSlot_, (group_ - 1) * 10 + row) + offset, bytes.size(), bytes);
        return file;
    }
    void beat(int a, int b) {
        m_.table.results[a - 1][b - 1] = Win;
        m_.table.results[b - 1][a - 1] = Loss;
    }
    std::string record(int row) {
        return folder_.read(files::kResults).substr(resultRecordOffset(termSlot_, (group_ - 1) * 10 + row), 46);
    }

    TempFolder folder_;
    LeagueModel m_;
    TeamRows teams_{};
    int group_ = 1;
    int termSlot_ = 0;
};

TEST_F(Standings, EveryRowIsStoredAsItsTwentyFourCharacters) {
    group_ = 2;
    termSlot_ = 1;
    for (int row = 1; row <= 4; ++row) name(row, "T" + std::to_string(row));
    const std::string before = folder_.read(files::kResults);
    for (auto [a, b] : {std::pair{1, 2}, {1, 3}, {4, 1}, {2, 3}, {4, 2}}) beat(a, b);
    m_.table.results[2][3] = m_.table.results[3][2] = Draw;

    ASSERT_TRUE(recompute());

    EXPECT_EQ(m_.table.standings[3].points, 5);
    EXPECT_DOUBLE_EQ(m_.table.winRate[0], 2.0 / 3.0);
    EXPECT_EQ(record(1), rec("T1", " 112", "2", "1", "", "4", "0.66", "2"));  // 2/3 is cut, not rounded
    EXPECT_EQ(record(2), rec("T2", "2 12", "1", "2", "", "2", "0.33", "3"));
    EXPECT_EQ(record(3), rec("T3", "22 3", "", "2", "1", "1", "0.00", "4"));
    EXPECT_EQ(record(4), rec("T4", "113", "2", "", "1", "5", "1.00", "1"));  // only wins: 1.00
    for (int row = 5; row <= 10; ++row) EXPECT_EQ(record(row), std::string(45, ' ') + "\n");

    // Nothing outside the shown group's rows 21..44 of each record changed.
    std::string after = folder_.read(files::kResults);
    for (int row = 1; row <= 10; ++row) {
        const long at = resultRecordOffset(1, 10 + row) + 20;
        after.replace(at, 24, before, at, 24);
    }
    EXPECT_EQ(after, before);
}

TEST_F(Standings, AnEmptyRowInsideTheGroupTakesNoRank) {
    // Row 2 was cleared; rows 1 and 3 still hold teams and both are ranked.
    name(1, "A");
    name(3, "C");
    beat(3, 1);
    ASSERT_TRUE(recompute());
    EXPECT_EQ(record(1).substr(42, 2), " 2");
    EXPECT_EQ(record(2).substr(42, 2), "  ");
    EXPECT_EQ(record(3).substr(42, 2), " 1");
}

TEST_F(Standings, AMissingResultsFileIsReportedAndNotCreated) {
    TempFolder empty;
    beat(1, 2);
    EXPECT_FALSE(RecomputeStandings(m_.table, empty.dir(), 0, 0, teams_, false));
    EXPECT_FALSE(empty.exists(files::kResults));
    EXPECT_EQ(m_.table.standings[0].wins, 1);
}

TEST_F(Standings, EveryTeamShownTakesPartInTheSettledTeamStep) {
    // The six-team example that only the settled-team step decides: T3 beat the leader T4.
    for (int row = 1; row <= 6; ++row) name(row, "T" + std::to_string(row));
    beat(1, 2), beat(1, 6), beat(3, 1), beat(4, 1);
    beat(2, 3), beat(2, 6), beat(4, 2);
    beat(3, 4), beat(5, 3);
    beat(4, 5), beat(4, 6);
    beat(5, 6);
    ASSERT_TRUE(recompute());
    const int expected[6] = {4, 5, 3, 1, 2, 6};
    for (int row = 0; row < 6; ++row) EXPECT_EQ(m_.table.standings[row].rank, expected[row]) << "row " << row + 1;
}

TEST_F(Standings, RanksKeptByHandStayAsStored) {
    name(1, "A");
    name(2, "B");
    folder_.write(files::kResults, patched(1, 42, " 7"));
    beat(2, 1);
    ASSERT_TRUE(recompute(true));
    EXPECT_EQ(record(1).substr(30, 14), "   1    0.00 7");
    EXPECT_EQ(record(2).substr(30, 14), " 1     21.00  ");
}

TEST(WinRate, KeepsItsFirstFourCharacters) {
    EXPECT_EQ(encodeWinRate(2.0 / 3.0, true), "0.66");
    EXPECT_EQ(encodeWinRate(1.0, true), "1.00");
    EXPECT_EQ(encodeWinRate(0.0, true), "0.00");
    EXPECT_EQ(encodeWinRate(0.0, false), "    ");
    EXPECT_EQ(encodeWinRate(0.9996, true), "1.00");
}

TEST(ResultCodes, AClickGoesRoundAndTheOtherCellMirrorsIt) {
    int code = NoResult;
    const int cycle[] = {Win, Loss, Draw, NoResult, Win};
    const int mirrored[] = {Loss, Win, Draw, NoResult, Loss};
    for (int i = 0; i < 5; ++i) {
        code = nextResultOnClick(code);
        EXPECT_EQ(code, cycle[i]);
        EXPECT_EQ(mirrorResult(code), mirrored[i]);
    }
    // Any byte the program does not write counts as no result, and the codes round-trip.
    for (int c = 0; c < 256; ++c) {
        const int decoded = decodeResultByte(char(c));
        EXPECT_EQ(decoded, c >= '1' && c <= '3' ? c - '0' : NoResult);
        if (decoded != NoResult) {
            EXPECT_EQ(encodeResultByte(decoded), char(c));
        }
    }
    EXPECT_EQ(nextResultOnClick(7), NoResult);
}

TEST(StoredTable, ReadsCodesCountsAndRanksButNeverATeamsOwnCell) {
    std::array<std::string, kTeamsPerGroup> rows;
    rows.fill(kEmptyResult);
    rows[0] = resultRecord("A", "3123x      1 2   30.50 9");
    const ResultsTable t = tableFromRecords(rows);
    EXPECT_EQ(t.results[0][0], NoResult);  // its own cell, whatever the byte
    EXPECT_EQ(t.results[0][1], Win);
    EXPECT_EQ(t.results[0][2], Loss);
    EXPECT_EQ(t.results[0][3], Draw);
    EXPECT_EQ(t.results[0][4], NoResult);
    EXPECT_EQ(t.standings[0].wins, 1);
    EXPECT_EQ(t.standings[0].losses, 2);
    EXPECT_EQ(t.standings[0].points, 3);
    EXPECT_EQ(t.standings[0].rank, 9);
}

}  // namespace
