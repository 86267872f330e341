// The team register (Data/Info.001), the suspended register (Data/Kyuubu.001) and the
// snapshots that let the newest term be deleted.

#include <gtest/gtest.h>

#include "store/file_io.h"
#include "store/file_transaction.h"
#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/team_register.h"
#include "store/text_ops.h"
#include "support/records.h"
#include "support/temp_folder.h"

namespace {

class Registers : public ::testing::Test {
protected:
    TempFolder t;
    LeagueModel m;
    DataDir dir = t.dir();
    std::string suspended(std::initializer_list<std::string> names) {
        std::string r;
        for (auto& n : names) r += teamRecord("rep " + n, n, 'm');
        return r;
    }
};

TEST_F(Registers, NamesAreFoundByTheirFirstRecordAndAllocatedToTheFirstFreeOne) {
    t.write(files::kTeamRegister, teamRegister({{30, teamRecord("a", "Falcons")},
                                                {150, teamRecord("b", "Falcons")},
                                                {151, teamRecord("", "Hawks")},
                                                {1, teamRecord("", "Owls")}}));
    EXPECT_EQ(findTeamByName(m, dir, "Falcons"), 30);
    EXPECT_EQ(findTeamByName(m, dir, "Hawks"), 151);
    EXPECT_EQ(findTeamByName(m, dir, "Nobody"), 0);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Hawks").recordNo, 151);
    const std::string before = t.read(files::kTeamRegister);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Swallows").recordNo, 2);
    std::string after = t.read(files::kTeamRegister);
    EXPECT_EQ(after.substr(1000 + 611, 20), name20("Swallows"));
    // Nothing but the name field of record 2 changed.
    after.replace(1000 + 611, 20, before.substr(1000 + 611, 20));
    EXPECT_EQ(after, before);
    EXPECT_EQ(findTeamByName(m, dir, "Swallows"), 2);
}

TEST_F(Registers, TheNamesInMemoryFollowAFileChangedBehindTheirBack) {
    t.write(files::kTeamRegister, teamRegister({{4, teamRecord("", "Owls")}}));
    EXPECT_EQ(findTeamByName(m, dir, "Owls"), 4);
    // Another program (or a restored backup) rewrites the register while ours runs.
    t.write(files::kTeamRegister, teamRegister({{9, teamRecord("", "Owls")}, {1, teamRecord("", "Kites")}}));
    EXPECT_EQ(findTeamByName(m, dir, "Owls"), 9);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Wrens").recordNo, 2);
}

TEST_F(Registers, ANameFieldOfNulsIsFreeNotATeam) {
    std::string reg = teamRegister({{1, teamRecord("", "Owls")}});
    reg.replace(teamAt(2) + 611, 20, std::string(20, '\0'));
    t.write(files::kTeamRegister, reg);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Wrens").recordNo, 2);
}

TEST_F(Registers, AFullRegisterOrAMissingOneAllocatesNothing) {
    std::string full;
    for (int i = 0; i < 200; ++i) full += teamRecord("r", "T" + std::to_string(i));
    t.write(files::kTeamRegister, full);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Extra").recordNo, 0);
    EXPECT_EQ(t.read(files::kTeamRegister), full);
    TempFolder empty;
    empty.write("Data/.keep", "");
    LeagueModel fresh;
    EXPECT_EQ(findOrAllocateTeam(fresh, empty.dir(), "Extra").recordNo, 0);
    EXPECT_FALSE(empty.exists(files::kTeamRegister));
}

TEST_F(Registers, RegisteredTeamsCountRecordsWithARepresentative) {
    std::string r = teamRegister({{1, teamRecord("rep", "A")},
                                  {2, teamRecord("", "B")},
                                  {10, teamRecord("rep", "")},
                                  {11, teamRecord("x", "C")},
                                  {200, teamRecord("y", "D")}});
    r[2 * 1000 + 0] = '\0';  // record 3: a NUL first byte is no representative either
    r.replace(2 * 1000 + 611, 1, "N");
    t.write(files::kTeamRegister, r);
    ASSERT_TRUE(countRegisteredTeams(m, dir));
    EXPECT_EQ(m.registeredTeams[0], 2);
    EXPECT_EQ(m.registeredTeams[1], 1);
    EXPECT_EQ(m.registeredTeams[19], 1);
    // A short register counts what is there.
    t.write(files::kTeamRegister, r.substr(0, 1500));
    countRegisteredTeams(m, dir);
    EXPECT_EQ(m.registeredTeams[0], 1);
    EXPECT_EQ(m.registeredTeams[19], 0);
}

TEST_F(Registers, DetailFieldsAreWrittenInPlaceWithTheirWidth) {
    t.write(files::kTeamRegister, teamRegister({{7, teamRecord("old", "Owls", 'm')}}));
    ASSERT_TRUE(writeTeamField(m, dir, 7, team_field::Telephone, "03-1234-5678-99"));
    ASSERT_TRUE(writeTeamField(m, dir, 7, team_field::Remarks, "line one\r\nline two"));
    std::string f = t.read(files::kTeamRegister);
    EXPECT_EQ(f.substr(6000 + 29, 13), "03-1234-5678-");
    EXPECT_EQ(f.substr(6000 + 211, 400), padField("line one\r\nline two", false, 400));
    ASSERT_TRUE(writeTeamField(m, dir, 7, team_field::Remarks, "\r\nstarts with a break"));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(6000 + 211, 400), std::string(400, ' '));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(6000 + 611, 20), name20("Owls"));
    EXPECT_EQ(t.size(files::kTeamRegister), 200000);
    EXPECT_EQ(readTeam(dir, 7).substr(0, 16), padField("old", false, 16));
    EXPECT_FALSE(writeTeamField(m, dir, 0, team_field::Telephone, "x"));
}

TEST_F(Registers, SuspendedTeamsAreAppendedAndRemovedInOrder) {
    t.write("Data/.keep", "");
    ASSERT_TRUE(countSuspended(m, dir));
    EXPECT_EQ(t.size(files::kSuspended), 0);
    EXPECT_EQ(m.suspendedCount, 0);

    ASSERT_TRUE(appendSuspended(m, dir, teamRecord("rep A", "Alpha", 'm')));
    EXPECT_EQ(t.read(files::kSuspended), teamRecord("rep A", "Alpha", 'm'));
    EXPECT_EQ(m.suspendedCount, 1);
    EXPECT_EQ(readSuspended(dir, 1), teamRecord("rep A", "Alpha", 'm'));

    ASSERT_TRUE(removeSuspended(m, dir, 0));
    EXPECT_EQ(t.size(files::kSuspended), 0);
    EXPECT_EQ(m.suspendedCount, 0);

    t.write(files::kSuspended, suspended({"A", "B", "C", "D"}));
    ASSERT_TRUE(countSuspended(m, dir));
    ASSERT_TRUE(removeSuspended(m, dir, 1));
    EXPECT_EQ(t.read(files::kSuspended), suspended({"A", "C", "D"}));
    EXPECT_EQ(m.suspendedCount, 3);
    EXPECT_EQ(t.read(files::kSuspendedScratch), suspended({"A", "C", "D"}));
}

TEST_F(Registers, TheSuspendedCountStopsAtAHundredAndAHundredAndFirstIsRefused) {
    std::string many;
    for (int i = 0; i < 103; ++i) many += teamRecord("r", "S" + std::to_string(i));
    t.write(files::kSuspended, many + "partial");
    ASSERT_TRUE(countSuspended(m, dir));
    EXPECT_EQ(m.suspendedCount, 100);
    const std::string before = t.read(files::kSuspended);
    EXPECT_FALSE(appendSuspended(m, dir, kEmptyTeam));
    EXPECT_EQ(t.read(files::kSuspended), before);
    // Removing a counted team keeps the uncounted ones an older program wrote; the next moves up.
    ASSERT_TRUE(removeSuspended(m, dir, 0));
    EXPECT_EQ(t.read(files::kSuspended), many.substr(1000));
    EXPECT_EQ(m.suspendedCount, 100);
}

TEST_F(Registers, SnapshotsBringBothRegistersBack) {
    const std::string teams = teamRegister({{1, teamRecord("a", "A")}, {2, teamRecord("b", "B")}});
    t.write(files::kTeamRegister, teams);
    t.write(files::kSuspended, suspended({"X", "Y"}));
    ASSERT_TRUE(countSuspended(m, dir));
    ASSERT_TRUE(snapshotRegisters(m, dir));
    EXPECT_EQ(t.read(files::kTeamSnapshot), teams);
    EXPECT_EQ(t.read(files::kSuspendedSnapshot), suspended({"X", "Y"}));

    t.write(files::kTeamRegister, teamRegister());
    t.write(files::kSuspended, suspended({"Z"}));
    FileTransaction restore(dir);
    ASSERT_TRUE(stageRestoredRegisters(restoredRegisters(dir), restore));
    ASSERT_TRUE(restore.commit());
    EXPECT_EQ(t.read(files::kTeamRegister), teams);
    EXPECT_EQ(t.read(files::kSuspended), suspended({"X", "Y"}));
}

TEST_F(Registers, SnapshotsOnAFullDiskLeaveTheOldOnesWhole) {
    const std::string oldSnapshot = teamRegister({{1, teamRecord("old", "Old")}});
    t.write(files::kTeamSnapshot, oldSnapshot);
    t.write(files::kSuspendedSnapshot, "");
    t.write(files::kTeamRegister, teamRegister({{1, teamRecord("a", "A")}}));
    t.write(files::kSuspended, suspended({"X"}));
    ASSERT_TRUE(countSuspended(m, dir));
    fileio::testing::failWritesWhen(fileio::testing::diskFull);
    const SaveResult saved = snapshotRegisters(m, dir);
    fileio::testing::reset();
    EXPECT_FALSE(saved);
    EXPECT_EQ(t.read(files::kTeamSnapshot), oldSnapshot) << "never cut to 0 bytes";
    EXPECT_EQ(t.size(files::kSuspendedSnapshot), 0);
}

TEST_F(Registers, AnEmptySuspendedSnapshotEmptiesTheRegisterAgain) {
    t.write(files::kTeamRegister, teamRegister());
    t.write(files::kSuspended, "");
    ASSERT_TRUE(countSuspended(m, dir));
    ASSERT_TRUE(snapshotRegisters(m, dir));
    EXPECT_EQ(t.size(files::kSuspendedSnapshot), 0);
    t.write(files::kSuspended, suspended({"New"}));
    const RestoredRegisters r = restoredRegisters(dir);
    ASSERT_TRUE(r.suspended.has_value());
    EXPECT_EQ(*r.suspended, "");
}

TEST_F(Registers, AMissingSnapshotRestoresNothingAndAShortOneIsRefused) {
    RestoredRegisters r = restoredRegisters(dir);
    EXPECT_FALSE(r.team || r.suspended);
    EXPECT_TRUE(r.damaged.empty());
    // An Info.old cut short would blank every team it lacks: it is not used at all.
    t.write(files::kTeamSnapshot, teamRecord("a", "A"));
    r = restoredRegisters(dir);
    EXPECT_EQ(r.damaged, files::kTeamSnapshot);
    FileTransaction tx(dir);
    EXPECT_FALSE(stageRestoredRegisters(r, tx));
    EXPECT_TRUE(tx.empty());
}

TEST_F(Registers, SwappingKeepsTheRegisterAndTheResultsInStep) {
    t.write(files::kTeamRegister, teamRegister({{1, teamRecord("a", "A")}, {2, teamRecord("b", "B")}}));
    t.write(files::kResults,
            resultsHeader("220") + termBlock({{1, resultRecord("A", " 1")}, {2, resultRecord("B", "2")}}));
    ASSERT_TRUE(swapTeams(m, dir, 0, 1, 2));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(0, 1000), teamRecord("b", "B"));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(1000, 1000), teamRecord("a", "A"));
    // B's record comes first, and in both the two result columns traded places.
    EXPECT_EQ(t.read(files::kResults).substr(resultAt(0, 1), 46), resultRecord("B", " 2"));
    EXPECT_EQ(t.read(files::kResults).substr(resultAt(0, 2), 46), resultRecord("A", "1"));
    EXPECT_EQ(findTeamByName(m, dir, "A"), 2);
}

TEST_F(Registers, ASwapThatCannotBeSavedChangesNeitherFile) {
    const std::string reg = teamRegister({{1, teamRecord("a", "A")}, {2, teamRecord("b", "B")}});
    const std::string res = resultsHeader("220") + termBlock({{1, resultRecord("A")}, {2, resultRecord("B")}});
    t.write(files::kTeamRegister, reg);
    t.write(files::kResults, res);
    fileio::testing::failWritesWhen(
        [&](const fileio::testing::WriteAttempt& a) { return a.path == t.path(files::kResults); });
    const SaveResult saved = swapTeams(m, dir, 0, 1, 2);
    fileio::testing::reset();
    EXPECT_EQ(saved.failedFile(), files::kResults);
    EXPECT_EQ(t.read(files::kTeamRegister), reg);
    EXPECT_EQ(t.read(files::kResults), res);
}

}  // namespace
