// Data/Seiseki.001: the term header, the term blocks, and the records of one group.

#include <gtest/gtest.h>

#include "store/results_file.h"
#include "store/text_ops.h"
#include "support/temp_folder.h"

namespace {

const std::string kEmpty = std::string(45, ' ') + "\n";

std::string header(const std::string& slots) { return padField(slots, false, 30) + " \n"; }

// A record with a name in the first bytes.
std::string named(const std::string& name) { return padField(name, false, 20) + std::string(25, ' ') + "\n"; }

// A block whose record n carries "Tn" for every n in the list.
std::string block(std::initializer_list<int> occupied, const std::string& tag = "T") {
    std::string b = repeatRecord(kEmpty, kTeamPositions);
    for (int n : occupied) b.replace(std::size_t(n - 1) * 46, 46, named(tag + std::to_string(n)));
    return b;
}

class ResultsFile : public ::testing::Test {
protected:
    TempFolder t;
    LeagueModel m;
    DataDir dir = t.dir();
    void write(const std::string& bytes) { t.write(files::kResults, bytes); }
    std::string file() { return t.read(files::kResults); }
};

TEST_F(ResultsFile, ANewFileIsAHeaderAndOneEmptyBlock) {
    t.write("Data/.keep", "");
    ASSERT_TRUE(createResultsFile(dir));
    EXPECT_EQ(file(), std::string(31, ' ') + "\n" + repeatRecord(kEmpty, 200));
    EXPECT_EQ(t.size(files::kResults), 9232);
}

TEST_F(ResultsFile, FindTermTellsFoundMissingAndNothingStored) {
    write(header("") + block({}));
    EXPECT_EQ(findTerm(m, dir, "221"), TermLookup::NoTermStored);
    write(header("221220211") + block({}));
    EXPECT_EQ(findTerm(m, dir, "230"), TermLookup::NotFound);
    EXPECT_EQ(findTerm(m, dir, "211"), TermLookup::Found);
    EXPECT_EQ(m.termSlotIndex, 2);
    t.write(files::kResults, "22");  // a damaged, short header
    EXPECT_EQ(findTerm(m, dir, "221"), TermLookup::NotFound);
}

TEST_F(ResultsFile, TermSlotsGiveTheNewestTermAndTheDeleteCommand) {
    m.todayHeiseiYear = 38;
    write(header("221") + block({}));
    readTermSlots(m, dir);
    EXPECT_EQ(m.latestYear, 22);
    EXPECT_EQ(m.termHalf, 1);
    EXPECT_EQ(m.yearFieldText, "22");
    EXPECT_EQ(m.deleteAvailable, 0);
    EXPECT_EQ(m.deleteCommandCaption, "F4" + std::string(23, ' '));

    write(header("290211") + block({}));
    readTermSlots(m, dir);
    EXPECT_EQ(m.deleteAvailable, 1);
    EXPECT_EQ(m.termHalf, 0);
    EXPECT_EQ(m.yearFieldText, "29");
    EXPECT_EQ(m.deleteCommandCaption, "F4 平成29年 前期 成績削除");

    write(header("") + block({}));
    readTermSlots(m, dir);
    EXPECT_EQ(m.latestYear, 38);
    EXPECT_EQ(m.termHalf, 0);
}

TEST_F(ResultsFile, InsertingATermIntoAShortFileGrowsItToTenBlocks) {
    write(header("220") + block({1, 15}));
    ASSERT_TRUE(insertNewestTerm(dir, makeTermKey(22, 1)));
    std::string f = file();
    ASSERT_EQ(f.size(), 92032u);
    EXPECT_EQ(f.substr(0, 32), header("221220"));
    EXPECT_EQ(f.substr(32, 9200), block({}));
    EXPECT_EQ(f.substr(32 + 9200, 9200), block({1, 15}));
    for (int s = 2; s < 10; ++s) EXPECT_EQ(f.substr(32 + s * 9200, 9200), block({})) << s;
}

TEST_F(ResultsFile, InsertingIntoTenTermsDropsTheOldest) {
    std::string image = header("261260251250241240231230221220");
    for (int s = 0; s < 10; ++s) image += block({s + 1}, "S" + std::to_string(s) + "-");
    write(image);
    ASSERT_TRUE(insertNewestTerm(dir, "270"));
    std::string f = file();
    ASSERT_EQ(f.size(), 92032u);
    EXPECT_EQ(f.substr(0, 32), header("270261260251250241240231230221"));
    EXPECT_EQ(f.substr(32, 9200), block({}));
    for (int s = 1; s < 10; ++s)
        EXPECT_EQ(f.substr(32 + s * 9200, 9200), block({s}, "S" + std::to_string(s - 1) + "-")) << s;
}

TEST_F(ResultsFile, DeletingTheNewestOfTenTermsMovesTheRestForward) {
    std::string image = header("261260251250241240231230221220");
    for (int s = 0; s < 10; ++s) image += block({s + 1}, "S" + std::to_string(s) + "-");
    write(image);
    m.currentGroup = 5;
    m.termSlotIndex = 3;
    ASSERT_TRUE(deleteNewestTerm(m, dir));
    std::string f = file();
    ASSERT_EQ(f.size(), 92032u);
    EXPECT_EQ(f.substr(0, 32), header("260251250241240231230221220"));
    for (int s = 0; s < 9; ++s)
        EXPECT_EQ(f.substr(32 + s * 9200, 9200), block({s + 2}, "S" + std::to_string(s + 1) + "-")) << s;
    EXPECT_EQ(f.substr(32 + 9 * 9200, 9200), block({}));
    EXPECT_EQ(m.deleteDone, 1);
    EXPECT_EQ(m.termSlotIndex, 0);
    EXPECT_EQ(m.currentGroup, 1);
    EXPECT_EQ(m.currentRecordNo, 1);
    EXPECT_EQ(m.latestYear, 26);
    EXPECT_EQ(m.termHalf, 0);
    EXPECT_EQ(m.termTeamCount, 1);
}

TEST_F(ResultsFile, TeamCountsIgnoreRecordsThatBeginWithABlank) {
    std::string b = block({1, 2, 11, 200});
    b.replace(45 * 46, 46, " hidden name" + std::string(33, ' ') + "\n");  // record 46
    write(header("220") + b + block({3}));
    ASSERT_TRUE(countTermTeams(m, dir));
    EXPECT_EQ(m.termTeamCount, 4);
    EXPECT_EQ(m.termTeamPresent[0], 1);
    EXPECT_EQ(m.termTeamPresent[45], 0);
    EXPECT_EQ(m.termTeamPresent[199], 1);
    m.termSlotIndex = 1;
    countTermTeams(m, dir);
    EXPECT_EQ(m.termTeamCount, 1);

    ASSERT_TRUE(countGroupTeams(m, dir));
    EXPECT_EQ(m.resultTeams[0], 2);
    EXPECT_EQ(m.resultTeams[1], 1);
    EXPECT_EQ(m.resultTeams[19], 1);
    EXPECT_EQ(m.teamMax[0], 2);
    EXPECT_EQ(m.resultGroupCount, 20);
}

TEST_F(ResultsFile, GroupResultsAreStoredAsTheirTwentyFourCharacters) {
    write(header("220") + block({11, 12, 13}));
    m.currentGroup = 2;
    auto& tb = m.table;
    tb.results[0][1] = Win;
    tb.results[0][2] = Win;
    tb.results[0][3] = Loss;
    tb.standings[0] = {2, 1, 0, 4, 1};
    tb.winRate[0] = 2.0 / 3.0;
    tb.results[1][0] = Loss;
    tb.results[1][2] = Draw;
    tb.standings[1] = {0, 1, 1, 1, 3};
    tb.winRate[1] = 0.0;
    tb.results[2][0] = Loss;
    tb.standings[2] = {3, 0, 0, 6, 2};
    tb.winRate[2] = 1.0;
    ASSERT_TRUE(writeGroupResults(m, dir, false));
    std::string f = file();
    auto rec = [&](int n) { return f.substr(resultRecordOffset(0, n), 46); };
    EXPECT_EQ(rec(11), padField("T11", false, 20) + " 112      " + " 2 1   40.66 1" + " \n");
    EXPECT_EQ(rec(12), padField("T12", false, 20) + "2 3       " + "   1 1 10.00 3" + " \n");
    EXPECT_EQ(rec(13), padField("T13", false, 20) + "2         " + " 3     61.00 2" + " \n");
    EXPECT_EQ(rec(14), kEmpty);
    EXPECT_EQ(rec(1), kEmpty);

    // With ranks kept by hand only 22 characters are written: the stored rank stays.
    tb.standings[0].rank = 7;
    tb.standings[0].wins = 5;
    ASSERT_TRUE(writeGroupResults(m, dir, true));
    EXPECT_EQ(file().substr(resultRecordOffset(0, 11) + 30, 14), " 5 1   40.66 1");
    ASSERT_TRUE(writeRank(m, dir, 0, 4));
    EXPECT_EQ(file().substr(resultRecordOffset(0, 11) + 42, 4), " 4 \n");
}

TEST_F(ResultsFile, WinRatesKeepTheirFirstFourCharacters) {
    EXPECT_EQ(encodeWinRate(2.0 / 3.0, true), "0.66");
    EXPECT_EQ(encodeWinRate(1.0, true), "1.00");
    EXPECT_EQ(encodeWinRate(0.0, true), "0.00");
    EXPECT_EQ(encodeWinRate(0.0, false), "    ");
    EXPECT_EQ(encodeWinRate(0.9996, true), "1.00");
}

TEST_F(ResultsFile, ARecordThatCannotBeReadShowsBlanksNotTheRowBefore) {
    write(header("220") + block({1}));
    m.currentRecordNo = 1;
    ASSERT_TRUE(readResultRecord(m, dir));
    EXPECT_EQ(m.resultCodec.field(result_field::TeamName).bytes(), padField("T1", false, 20));
    m.termSlotIndex = 4;  // past the end of the file
    readResultRecord(m, dir);
    EXPECT_EQ(m.resultCodec.field(result_field::TeamName).bytes(), std::string(20, ' '));
    m.termSlotIndex = 0;
    readResultRecord(m, dir);
    t.write(files::kResults + std::string(".gone"), "");
    std::remove(t.path(files::kResults).c_str());
    EXPECT_FALSE(readResultRecord(m, dir));
    EXPECT_EQ(m.resultCodec.field(result_field::TeamName).bytes(), std::string(20, ' '));
}

TEST_F(ResultsFile, OperationsOnAMissingFileReportFailureAndCreateNothing) {
    t.write("Data/.keep", "");
    EXPECT_FALSE(insertNewestTerm(dir, "220"));
    EXPECT_FALSE(deleteNewestTerm(m, dir));
    EXPECT_FALSE(setNewestKey(dir, "220"));
    EXPECT_FALSE(writeGroupResults(m, dir, false));
    EXPECT_FALSE(writeTeamName(m, dir));
    EXPECT_FALSE(t.exists(files::kResults));
}

TEST_F(ResultsFile, TeamNameAndRecordMovesStayInTheShownTerm) {
    write(header("221220") + block({1, 2}) + block({5}));
    m.termSlotIndex = 1;
    m.currentRecordNo = 3;
    m.resultCodec.field(result_field::TeamName).assign("NEW");
    ASSERT_TRUE(writeTeamName(m, dir));
    EXPECT_EQ(m.termTeamCount, 2);
    ASSERT_TRUE(moveRecord(m, dir, 5, 7));
    ASSERT_TRUE(blankRecord(m, dir, 5));
    std::string f = file();
    EXPECT_EQ(f.substr(resultRecordOffset(1, 3), 20), padField("NEW", false, 20));
    EXPECT_EQ(f.substr(resultRecordOffset(1, 7), 46), named("T5"));
    EXPECT_EQ(f.substr(resultRecordOffset(1, 5), 46), kEmpty);
    EXPECT_EQ(f.substr(32, 9200), block({1, 2}));
    ASSERT_TRUE(setNewestKey(dir, "230"));
    EXPECT_EQ(file().substr(0, 6), "230220");
}

}  // namespace
