// A corrected team name takes the team's register record along: the details stay, no record
// is used up, and a name that would need a record when none is left is refused.

#include "league/team_rename.h"

#include <gtest/gtest.h>

#include "store/file_io.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

constexpr int kNameAt = 611;

class TeamRename : public ::testing::Test {
protected:
    // Two terms; in the newest, group 1 holds 桜ヶ丘クラブ (record 7, with details) in row 1,
    // 港北 (record 1) in row 2 and 港北 again in row 3 of group 2; 大和 has record 9 but no row.
    void SetUp() override {
        newest_ = termBlock({{1, resultRecord("桜ヶ丘クラブ")}, {2, resultRecord("港北")}, {13, resultRecord("港北")}});
        older_ = termBlock({{1, resultRecord("桜ヶ丘クラブ")}, {2, resultRecord("港北")}});
        t.write(files::kResults, resultsHeader("381380") + newest_ + older_);
        std::string sakura = teamRecord("代表者", "桜ヶ丘クラブ", 'm');
        sakura.replace(55, 8, "1000001 ");
        reg_ = teamRegister({{1, teamRecord("港北代表", "港北")}, {7, sakura}, {9, teamRecord("大和代表", "大和")}});
        t.write(files::kTeamRegister, reg_);
    }
    NameChange rename(int termSlot, int groupSlot, int row, const char* name) {
        return changeTeamName(m, t.dir(), termSlot, groupSlot, row, name20(name));
    }
    std::string results() const { return t.read(files::kResults); }
    std::string registerFile() const { return t.read(files::kTeamRegister); }
    std::string withName(std::string reg, int recordNo, const char* name) const {
        reg.replace(teamAt(recordNo) + kNameAt, 20, name20(name));
        return reg;
    }
    int namedRecords() const {
        int n = 0;
        const std::string reg = registerFile();
        for (int r = 1; r <= 200; ++r) n += reg[teamAt(r) + kNameAt] != ' ' ? 1 : 0;
        return n;
    }

    TempFolder t;
    LeagueModel m;
    std::string newest_, older_, reg_;
};

TEST_F(TeamRename, ARenamedTeamKeepsItsRecordAndEveryByteOfItButTheName) {
    const NameChange c = rename(0, 0, 0, "桜ヶ丘クラブＡ");
    ASSERT_TRUE(c.saved);
    EXPECT_EQ(c.outcome, NameChangeOutcome::RecordRenamed);
    EXPECT_EQ(registerFile(), withName(reg_, 7, "桜ヶ丘クラブＡ"));
    EXPECT_EQ(namedRecords(), 3) << "no record used up";
    // The shown term has the new name; the older term keeps the one it stored.
    std::string expected = resultsHeader("381380") + newest_ + older_;
    expected.replace(resultAt(0, 1), 20, name20("桜ヶ丘クラブＡ"));
    EXPECT_EQ(results(), expected);
    EXPECT_EQ(m.currentRecordNo, 1);
    EXPECT_EQ(findTeamByName(m, t.dir(), name20("桜ヶ丘クラブＡ")), 7);
    // Further corrections use up nothing either.
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(rename(0, 0, 0, i % 2 ? "桜ヶ丘クラブＡ" : "桜ヶ丘").saved);
    EXPECT_EQ(namedRecords(), 3);
    EXPECT_EQ(registerFile(), withName(reg_, 7, "桜ヶ丘クラブＡ"));
}

TEST_F(TeamRename, ANameOfAnotherTeamUsesThatTeamsRecord) {
    const NameChange c = rename(0, 0, 0, "大和");
    EXPECT_EQ(c.outcome, NameChangeOutcome::Stored);
    EXPECT_EQ(registerFile(), reg_);
    EXPECT_EQ(results().substr(resultAt(0, 1), 20), name20("大和"));
}

TEST_F(TeamRename, ANameStillBorneByAnotherRowLeavesItsRecordToThatRow) {
    // 港北 stands in two rows: the renamed one gets a record of its own when it is selected.
    const NameChange c = rename(0, 0, 1, "港北ＢＣ");
    EXPECT_EQ(c.outcome, NameChangeOutcome::Stored);
    EXPECT_EQ(registerFile(), reg_);
    // In an older term, a name the newest term still bears keeps its record too.
    EXPECT_EQ(rename(1, 0, 0, "桜ヶ丘").outcome, NameChangeOutcome::Stored);
    EXPECT_EQ(registerFile(), reg_);
    EXPECT_EQ(results().substr(resultAt(1, 1), 20), name20("桜ヶ丘"));
    EXPECT_EQ(results().substr(resultAt(0, 1), 20), name20("桜ヶ丘クラブ"));
}

TEST_F(TeamRename, WithEveryRecordInUseANewNameIsRefusedAndARenameStillGoesThrough) {
    std::string full = reg_;
    for (int r = 1; r <= 200; ++r)
        if (full[teamAt(r) + kNameAt] == ' ') full = withName(full, r, ("他" + std::to_string(r)).c_str());
    t.write(files::kTeamRegister, full);
    const std::string before = results();

    EXPECT_EQ(rename(0, 0, 4, "新チーム").outcome, NameChangeOutcome::RegisterFull) << "an empty row";
    EXPECT_EQ(rename(0, 0, 1, "港北ＢＣ").outcome, NameChangeOutcome::RegisterFull) << "港北 keeps its record";
    EXPECT_EQ(results(), before);
    EXPECT_EQ(registerFile(), full);

    EXPECT_EQ(rename(0, 0, 0, "桜ヶ丘クラブＡ").outcome, NameChangeOutcome::RecordRenamed);
    EXPECT_EQ(rename(0, 0, 4, "他5").outcome, NameChangeOutcome::Stored) << "a name with a record";
    EXPECT_EQ(rename(0, 0, 1, "").outcome, NameChangeOutcome::Stored) << "emptying a row needs no record";
    EXPECT_EQ(registerFile(), withName(full, 7, "桜ヶ丘クラブＡ"));
}

TEST_F(TeamRename, ARenameThatCannotBeSavedChangesNeitherFile) {
    struct ResetWrites {
        ~ResetWrites() { fileio::testing::reset(); }
    } resetAtEnd;
    const std::string path = t.path(files::kTeamRegister);
    fileio::testing::failWritesWhen([path](const fileio::testing::WriteAttempt& a) {
        return a.path.rfind(path, 0) == 0;  // the register and its temporary file
    });
    const std::string before = results();
    EXPECT_FALSE(rename(0, 0, 0, "桜ヶ丘クラブＡ").saved);
    EXPECT_EQ(results(), before);
    EXPECT_EQ(registerFile(), reg_);
}

}  // namespace
