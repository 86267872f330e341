// The club name, the group letters, the team maxima and the change-over rules.

#include "store/settings_files.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace {

std::string rule(const char* target, const char* source) {
    return std::string(target) + source + " \n";
}

class Settings : public ::testing::Test {
protected:
    TempFolder t;
    LeagueModel m;
    DataDir dir = t.dir();
    void SetUp() override { t.write("Data/.keep", ""); }
};

TEST_F(Settings, MissingFilesAreCreatedAndShortOnesKeepTheirDefaults) {
    ASSERT_TRUE(loadUserName(m, dir));
    EXPECT_EQ(t.read(files::kUserName), std::string(40, ' '));
    ASSERT_TRUE(loadGroups(m, dir));
    EXPECT_EQ(t.read(files::kGroups), std::string(1000, ' '));

    t.write(files::kGroups, "AB12");
    t.write(files::kUserName, "Club");
    loadGroups(m, dir);
    loadUserName(m, dir);
    EXPECT_EQ(m.groupBlock, "AB12" + std::string(36, ' '));
    EXPECT_EQ(m.classLetter(1), '1');
    EXPECT_EQ(m.divisionLetter(0), 'B');
    EXPECT_EQ(m.userName, "Club" + std::string(36, ' '));
}

TEST_F(Settings, SavingWritesOnlyTheFirstFortyBytesOfExistingFiles) {
    t.write(files::kGroups, std::string(1000, 'z'));
    m.groupBlock = "A1B2" + std::string(36, ' ');
    m.userName = "Kanto" + std::string(35, ' ');
    ASSERT_TRUE(saveGroups(m, dir));
    EXPECT_EQ(t.read(files::kGroups), m.groupBlock + std::string(960, 'z'));
    EXPECT_FALSE(saveUserName(m, dir));  // never created at close
    EXPECT_FALSE(t.exists(files::kUserName));
}

TEST_F(Settings, TeamMaximaFollowTheRegisteredTeams) {
    t.write(files::kTeamMax, "12 2 5" + std::string(34, ' '));
    m.registeredTeams[0] = 3;
    m.registeredTeams[1] = 3;
    m.registeredTeams[3] = 4;
    ASSERT_TRUE(loadTeamMax(m, dir));
    EXPECT_EQ(m.teamMax[0], 12);  // nothing bounds it
    EXPECT_EQ(m.teamMax[1], 3);   // raised to the registered teams
    EXPECT_EQ(m.teamMax[2], 0);   // no registered team
    EXPECT_EQ(m.teamMax[3], 4);   // blank entry
    t.write(files::kTeamMax, std::string("\0\0", 2));
    loadTeamMax(m, dir);
    EXPECT_EQ(m.teamMax[0], 3);

    std::remove(t.path(files::kTeamMax).c_str());
    ASSERT_TRUE(loadTeamMax(m, dir));
    EXPECT_EQ(t.read(files::kTeamMax), std::string(1000, ' '));
    EXPECT_EQ(m.teamMax[3], 4);
}

TEST_F(Settings, RulesPutTheDraftTeamOfTheirTargetIntoTheirSourcePosition) {
    t.write(files::kChangePositions, rule("  5", " 12") + rule("  7", "  3") + rule("  9", " 12") + rule("999", "  1") +
                                         rule("abc", "  2") + rule("  4", "301") + "tail");
    ASSERT_TRUE(loadChangePositions(m, dir));
    EXPECT_EQ(m.ChangePositionMap[11], 9);  // a later rule for the same revised position wins
    EXPECT_EQ(m.ChangePositionMap[2], 7);
    EXPECT_EQ(m.ChangePositionMap[4], 5);  // the draft position keeps its own team too
    EXPECT_EQ(m.ChangePositionMap[0], 1);  // damaged records change nothing
    EXPECT_EQ(m.ChangePositionMap[1], 2);
    EXPECT_EQ(m.ChangePositionMap[299], 300);
    EXPECT_EQ(m.BasePositionMap[11], 12);
}

TEST_F(Settings, WritingARuleRewritesItsTargetOrAppends) {
    ASSERT_TRUE(writeChangeOverRule(dir, 12, 3));
    EXPECT_EQ(t.read(files::kChangePositions), rule(" 12", "  3"));
    ASSERT_TRUE(writeChangeOverRule(dir, 5, 140));
    ASSERT_TRUE(writeChangeOverRule(dir, 12, 25));
    EXPECT_EQ(t.read(files::kChangePositions), rule(" 12", " 25") + rule("  5", "140"));
    EXPECT_EQ(readChangePosition(dir, 2), rule("  5", "140"));
}

TEST_F(Settings, ClosingSortsTheRulesByTargetKeepingTheirBytes) {
    t.write(files::kChangePositions, rule("  5", " 12") + rule(" 12", "  3") + rule("  1", "  9"));
    ASSERT_TRUE(sortChangePositions(dir));
    EXPECT_EQ(t.read(files::kChangePositions), rule("  1", "  9") + rule("  5", " 12") + rule(" 12", "  3"));

    // Two rules for one target stay in their order.
    t.write(files::kChangePositions, rule("  5", "  1") + rule("  5", "  2") + rule("  3", "  7"));
    ASSERT_TRUE(sortChangePositions(dir));
    EXPECT_EQ(t.read(files::kChangePositions), rule("  3", "  7") + rule("  5", "  1") + rule("  5", "  2"));
}

}  // namespace
