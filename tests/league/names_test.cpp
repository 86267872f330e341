// Group letters and team names as the lists store them: Data/League.001 written at once,
// names written into the shown term only, register records found or allocated by name.

#include <gtest/gtest.h>

#include "league/group_names.h"
#include "league/team_names.h"
#include "store/results_file.h"
#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

std::string named(const std::string& name) {
    return resultRecord(name);
}

class Names : public ::testing::Test {
protected:
    TempFolder t;
    LeagueModel m;
    DataDir dir = t.dir();
};

TEST_F(Names, ALetterIsWrittenAtOnceAndOnlyItsByteChanges) {
    std::string groups = "A1B2" + std::string(36, ' ') + std::string(960, 'z');
    t.write(files::kGroups, groups);
    m.groupBlock = groups.substr(0, 40);

    ASSERT_TRUE(storeGroupLetter(m, dir, 1, GroupColumn::Division, groupLetterFromText("")));
    groups[3] = ' ';
    EXPECT_EQ(t.read(files::kGroups), groups);
    ASSERT_TRUE(storeGroupLetter(m, dir, 19, GroupColumn::Class, groupLetterFromText("C")));
    groups[38] = 'C';
    EXPECT_EQ(t.read(files::kGroups), groups);
    EXPECT_EQ(m.classLetter(19), 'C');

    // Nothing to write for a letter that stays; a file that is gone is not made anew.
    std::filesystem::remove(t.path(files::kGroups));
    EXPECT_TRUE(storeGroupLetter(m, dir, 19, GroupColumn::Class, 'C'));
    EXPECT_EQ(storeGroupLetter(m, dir, 0, GroupColumn::Class, 'X').failedFile(), files::kGroups);
    EXPECT_FALSE(t.exists(files::kGroups));
    // A letter that could not be kept is not held as if it were.
    EXPECT_EQ(m.classLetter(0), 'A');
}

TEST_F(Names, ANameGoesIntoTheShownTermOnlyAndTheTotalIsCountedThere) {
    std::string file = padField("381372", false, 30) + " \n";
    std::string block0 = repeatRecord(kEmptyResult, kTeamPositions);
    block0.replace(0, 46, named("Owls"));
    std::string block1 = repeatRecord(named("Old"), kTeamPositions);
    t.write(files::kResults, file + block0 + block1);

    ASSERT_TRUE(storeTeamName(m, dir, 0, 2, 4, teamNameField("Hawks")));
    EXPECT_EQ(m.currentRecordNo, 25);
    EXPECT_EQ(m.termTeamCount, 2);
    block0.replace(resultRecordOffset(0, 25) - 32, 20, teamNameField("Hawks"));
    EXPECT_EQ(t.read(files::kResults), file + block0 + block1);

    // A blank name empties the slot.
    ASSERT_TRUE(storeTeamName(m, dir, 0, 2, 4, teamNameField("")));
    EXPECT_EQ(m.termTeamCount, 1);

    std::filesystem::remove(t.path(files::kResults));
    EXPECT_FALSE(storeTeamName(m, dir, 0, 2, 4, teamNameField("Hawks")));
    EXPECT_EQ(m.termTeamCount, 0);
    EXPECT_FALSE(t.exists(files::kResults));
}

TEST_F(Names, ShownTeamsGetRegisterRecordsInRowOrderAndSelectingATeamFindsItsOwn) {
    std::string reg = repeatRecord(kEmptyTeam, kTeamPositions);
    reg.replace(611, 20, teamNameField("Owls"));
    reg.replace(6 * 1000 + 611, 20, teamNameField("Hawks"));
    t.write(files::kTeamRegister, reg);
    std::string block = repeatRecord(kEmptyResult, kTeamPositions);
    block.replace(resultRecordOffset(0, 11) - 32, 46, named("Hawks"));
    block.replace(resultRecordOffset(0, 13) - 32, 46, named("Swallows"));
    block.replace(resultRecordOffset(0, 14) - 32, 46, named("Carp"));
    t.write(files::kResults, std::string(31, ' ') + "\n" + block);

    std::array<std::string, kTeamsPerGroup> names;
    names.fill(fillSpaces(20));
    names[0] = teamNameField("Hawks");
    names[2] = teamNameField("Swallows");
    names[3] = teamNameField("Carp");
    ASSERT_TRUE(registerShownTeams(m, dir, names));
    reg.replace(1000 + 611, 20, teamNameField("Swallows"));
    reg.replace(2000 + 611, 20, teamNameField("Carp"));
    EXPECT_EQ(t.read(files::kTeamRegister), reg);

    ASSERT_TRUE(selectTeam(m, dir, 1, 0));
    EXPECT_EQ(m.currentRecordNo, 11);
    EXPECT_EQ(m.detailRecordNo, 7);
    ASSERT_TRUE(selectTeam(m, dir, 1, 3));
    EXPECT_EQ(m.detailRecordNo, 3);
    // An empty row has no record whose details could be written.
    ASSERT_TRUE(selectTeam(m, dir, 1, 1));
    EXPECT_EQ(m.currentRecordNo, 12);
    EXPECT_EQ(m.detailRecordNo, 0);
    EXPECT_EQ(t.read(files::kTeamRegister), reg);
}

TEST_F(Names, ATypedNameIsStoredWithoutBlanksAroundIt) {
    EXPECT_EQ(teamNameField(" " + sjis::fromUnicode("清澄白河ＢＣ") + " "), name20("清澄白河ＢＣ"));
    EXPECT_EQ(teamNameField(sjis::fromUnicode("　ホークス　")), name20("ホークス"));
    EXPECT_EQ(teamNameField("   "), std::string(20, ' '));
}

}  // namespace
