// Data/Seiseki.001: the term header, the term blocks, and the records of one group.

#include "store/results_file.h"

#include <gtest/gtest.h>

#include "store/file_io.h"
#include "store/text_ops.h"
#include "support/temp_folder.h"

namespace {

const std::string kEmpty = std::string(45, ' ') + "\n";

std::string header(const std::string& slots) {
    return padField(slots, false, 30) + " \n";
}

// A record with a name in the first bytes.
std::string named(const std::string& name) {
    return padField(name, false, 20) + std::string(25, ' ') + "\n";
}

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
    EXPECT_EQ(findTerm(dir, "221").lookup, TermLookup::NoTermStored);
    write(header("221220211") + block({}));
    EXPECT_EQ(findTerm(dir, "230").lookup, TermLookup::NotFound);
    EXPECT_EQ(findTerm(dir, "211").lookup, TermLookup::Found);
    EXPECT_EQ(findTerm(dir, "211").slot, 2);
    t.write(files::kResults, "22");  // a damaged, short header
    EXPECT_EQ(findTerm(dir, "221").lookup, TermLookup::NotFound);
    // A slot of NULs holds no term, whatever its key would compare with.
    t.write(files::kResults, std::string(3, '\0') + "220");
    EXPECT_EQ(findTerm(dir, "220").slot, 1);
    EXPECT_EQ(readTermHeader(dir).storedTerms(), 1);
}

TEST_F(ResultsFile, TermSlotsGiveTheNewestTermAndWhetherOneCanBeDeleted) {
    m.todayHeiseiYear = 38;
    write(header("221") + block({}));
    readTermSlots(m, dir);
    EXPECT_EQ(m.latestYear, 22);
    EXPECT_EQ(m.termHalf, 1);
    EXPECT_EQ(m.yearFieldText, "22");
    EXPECT_EQ(m.deleteAvailable, 0);

    write(header("290211") + block({}));
    readTermSlots(m, dir);
    EXPECT_EQ(m.deleteAvailable, 1);
    EXPECT_EQ(m.termHalf, 0);
    EXPECT_EQ(m.yearFieldText, "29");

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

TEST_F(ResultsFile, WithoutTheNewestOfTenTermsTheRestMoveForward) {
    std::string image = header("261260251250241240231230221220");
    for (int s = 0; s < 10; ++s) image += block({s + 1}, "S" + std::to_string(s) + "-");
    const std::string f = withoutNewestTerm(image);
    ASSERT_EQ(f.size(), 92032u);
    EXPECT_EQ(f.substr(0, 32), header("260251250241240231230221220"));
    for (int s = 0; s < 9; ++s)
        EXPECT_EQ(f.substr(32 + s * 9200, 9200), block({s + 2}, "S" + std::to_string(s + 1) + "-")) << s;
    EXPECT_EQ(f.substr(32 + 9 * 9200, 9200), block({}));
}

TEST_F(ResultsFile, AnInsertThatCannotBeWrittenLeavesTheFileAsItWas) {
    const std::string before = header("220") + block({1, 15});
    write(before);
    fileio::testing::failWritesWhen(fileio::testing::diskFull);
    const SaveResult saved = insertNewestTerm(dir, makeTermKey(22, 1));
    fileio::testing::reset();
    EXPECT_EQ(saved.failedFile(), files::kResults);
    EXPECT_EQ(file(), before);
    EXPECT_FALSE(t.exists(std::string(files::kResults) + ".tf-new"));
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

TEST_F(ResultsFile, AGroupsFieldsAreWrittenAsOneBlockAndNeverReachTheTrailer) {
    write(header("220") + block({11, 12, 13}));
    std::array<std::string, kTeamsPerGroup> rows;
    rows[0] = "ABC";
    rows[9] = std::string(40, 'x');  // longer than the record: cut before its blank and line feed
    ASSERT_TRUE(writeGroupFields(dir, 0, 1, 20, rows));
    const std::string f = file();
    EXPECT_EQ(f.substr(resultRecordOffset(0, 11), 46),
              padField("T11", false, 20) + "ABC" + std::string(22, ' ') + "\n");
    EXPECT_EQ(f.substr(resultRecordOffset(0, 12), 46), named("T12"));
    EXPECT_EQ(f.substr(resultRecordOffset(0, 20), 46), std::string(20, ' ') + std::string(24, 'x') + " \n");
    EXPECT_EQ(f.substr(resultRecordOffset(0, 21), 46), kEmpty);
    ASSERT_TRUE(writeRank(dir, 0, 1, 0, 4));
    EXPECT_EQ(file().substr(resultRecordOffset(0, 11) + 42, 4), " 4 \n");
}

TEST_F(ResultsFile, AWritePastTheEndOfAShortFileFillsTheGapWithEmptyRecords) {
    write(header("220") + block({1}).substr(0, 5000));  // cut in the middle of a record
    std::array<std::string, kTeamsPerGroup> rows;
    rows[0] = "1";
    ASSERT_TRUE(writeGroupFields(dir, 0, 19, 20, rows));
    const std::string f = file();
    EXPECT_EQ(f.find('\0'), std::string::npos);
    ASSERT_EQ(f.size(), std::size_t(resultRecordOffset(0, 201)));
    // From the cut on, every record is blanks and a line feed where a record ends.
    EXPECT_EQ(f.substr(resultRecordOffset(0, 110), 46), kEmpty);
    EXPECT_EQ(f.substr(resultRecordOffset(0, 191), 46), padField("", false, 20) + "1" + std::string(24, ' ') + "\n");
    LeagueModel counted;
    ASSERT_TRUE(countTermTeams(counted, dir));
    EXPECT_EQ(counted.termTeamCount, 1);
}

TEST_F(ResultsFile, ARecordThatCannotBeReadIsBlankNotTheRowBefore) {
    write(header("220") + block({1}));
    EXPECT_EQ(readResultRecord(dir, 0, 1), named("T1"));
    EXPECT_EQ(readResultRecord(dir, 4, 1), kEmpty);  // past the end of the file
    auto rows = readGroupRecords(dir, 0, 0);
    EXPECT_EQ(rows[0], named("T1"));
    EXPECT_EQ(rows[1], kEmpty);
    std::remove(t.path(files::kResults).c_str());
    bool readable = true;
    rows = readGroupRecords(dir, 0, 0, &readable);
    EXPECT_FALSE(readable);
    EXPECT_EQ(rows[0], kEmpty);
}

TEST_F(ResultsFile, OperationsOnAMissingFileReportFailureAndCreateNothing) {
    t.write("Data/.keep", "");
    EXPECT_FALSE(insertNewestTerm(dir, "220"));
    EXPECT_FALSE(setNewestKey(dir, "220"));
    EXPECT_FALSE(writeGroupFields(dir, 0, 0, 20, {}));
    EXPECT_FALSE(writeTeamName(m, dir, 0, 1, "x"));
    EXPECT_FALSE(t.exists(files::kResults));
}

TEST_F(ResultsFile, ATeamNameLandsInItsTermAndTheShownTermIsCountedAgain) {
    write(header("221220") + block({1, 2}) + block({5}));
    m.termSlotIndex = 1;
    ASSERT_TRUE(writeTeamName(m, dir, 1, 3, "NEW"));
    EXPECT_EQ(m.termTeamCount, 2);
    EXPECT_EQ(m.termTeamPresent[2], 1);
    const std::string f = file();
    EXPECT_EQ(f.substr(resultRecordOffset(1, 3), 20), padField("NEW", false, 20));
    EXPECT_EQ(f.substr(32, 9200), block({1, 2}));
    ASSERT_TRUE(setNewestKey(dir, "230"));
    EXPECT_EQ(file().substr(0, 6), "230220");
}

}  // namespace
