// The team register (Data/Info.001), the suspended register (Data/Kyuubu.001) and the
// snapshots that let the newest term be deleted.

#include <gtest/gtest.h>

#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/team_register.h"
#include "store/text_ops.h"
#include "support/temp_folder.h"

namespace {

const std::string kEmptyTeam = std::string(999, ' ') + "\n";

// A team record with a representative and a team name.
std::string team(const std::string& representative, const std::string& name, char fill = ' ') {
    std::string r = kEmptyTeam;
    r.replace(0, 16, padField(representative, false, 16));
    r.replace(211, 400, std::string(400, fill));
    r.replace(611, 20, padField(name, false, 20));
    return r;
}

class Registers : public ::testing::Test {
protected:
    TempFolder t;
    LeagueModel m;
    DataDir dir = t.dir();
    std::string reg(std::initializer_list<std::pair<int, std::string>> records) {
        std::string r = repeatRecord(kEmptyTeam, 200);
        for (auto& [n, rec] : records) r.replace(std::size_t(n - 1) * 1000, 1000, rec);
        return r;
    }
    std::string suspended(std::initializer_list<std::string> names) {
        std::string r;
        for (auto& n : names) r += team("rep " + n, n, 'm');
        return r;
    }
};

TEST_F(Registers, NamesAreFoundByTheirFirstRecordAndAllocatedToTheFirstFreeOne) {
    t.write(files::kTeamRegister, reg({{30, team("a", "Falcons")}, {150, team("b", "Falcons")}, {151, team("", "Hawks")},
                                        {1, team("", "Owls")}}));
    EXPECT_EQ(findTeamByName(m, dir, "Falcons"), 30);
    EXPECT_EQ(findTeamByName(m, dir, "Hawks"), 151);
    EXPECT_EQ(findTeamByName(m, dir, "Nobody"), 0);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Hawks"), 151);
    const std::string before = t.read(files::kTeamRegister);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Swallows"), 2);
    std::string after = t.read(files::kTeamRegister);
    EXPECT_EQ(after.substr(1000 + 611, 20), padField("Swallows", false, 20));
    // Nothing but the name field of record 2 changed.
    after.replace(1000 + 611, 20, before.substr(1000 + 611, 20));
    EXPECT_EQ(after, before);
    EXPECT_EQ(findTeamByName(m, dir, "Swallows"), 2);
}

TEST_F(Registers, AFullRegisterOrAMissingOneAllocatesNothing) {
    std::string full;
    for (int i = 0; i < 200; ++i) full += team("r", "T" + std::to_string(i));
    t.write(files::kTeamRegister, full);
    EXPECT_EQ(findOrAllocateTeam(m, dir, "Extra"), 0);
    EXPECT_EQ(t.read(files::kTeamRegister), full);
    TempFolder empty;
    empty.write("Data/.keep", "");
    EXPECT_EQ(findOrAllocateTeam(m, empty.dir(), "Extra"), 0);
    EXPECT_FALSE(empty.exists(files::kTeamRegister));
}

TEST_F(Registers, RegisteredTeamsCountRecordsWithARepresentative) {
    std::string r = reg({{1, team("rep", "A")}, {2, team("", "B")}, {10, team("rep", "")}, {11, team("x", "C")},
                         {200, team("y", "D")}});
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
    t.write(files::kTeamRegister, reg({{7, team("old", "Owls", 'm')}}));
    m.detailRecordNo = 7;
    ASSERT_TRUE(writeTeamField(m, dir, team_field::Telephone, "03-1234-5678-99"));
    ASSERT_TRUE(writeTeamField(m, dir, team_field::Remarks, "line one\r\nline two"));
    std::string f = t.read(files::kTeamRegister);
    EXPECT_EQ(f.substr(6000 + 29, 13), "03-1234-5678-");
    EXPECT_EQ(f.substr(6000 + 211, 400), padField("line one\r\nline two", false, 400));
    ASSERT_TRUE(writeTeamField(m, dir, team_field::Remarks, "\r\nstarts with a break"));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(6000 + 211, 400), std::string(400, ' '));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(6000 + 611, 20), padField("Owls", false, 20));
    EXPECT_EQ(t.size(files::kTeamRegister), 200000);
    ASSERT_TRUE(readTeam(m, dir));
    EXPECT_EQ(m.teamCodec.field(team_field::Representative).bytes(), padField("old", false, 16));
}

TEST_F(Registers, SuspendedTeamsAreAppendedAndRemovedInOrder) {
    t.write("Data/.keep", "");
    ASSERT_TRUE(countSuspended(m, dir));
    EXPECT_EQ(t.size(files::kSuspended), 0);
    EXPECT_EQ(m.suspendedCount, 0);

    m.teamCodec.record() = team("rep A", "Alpha", 'm');
    m.teamCodec.unpackRecord();
    ASSERT_TRUE(appendSuspended(m, dir));
    EXPECT_EQ(t.read(files::kSuspended), team("rep A", "Alpha", 'm'));
    EXPECT_EQ(m.suspendedCount, 1);

    ASSERT_TRUE(removeSuspended(m, dir, 0));
    EXPECT_EQ(t.size(files::kSuspended), 0);
    EXPECT_EQ(m.suspendedCount, 0);

    t.write(files::kSuspended, suspended({"A", "B", "C", "D"}));
    countSuspended(m, dir);
    ASSERT_TRUE(removeSuspended(m, dir, 1));
    EXPECT_EQ(t.read(files::kSuspended), suspended({"A", "C", "D"}));
    EXPECT_EQ(m.suspendedCount, 3);
    EXPECT_EQ(t.read(files::kSuspendedScratch), suspended({"A", "C", "D"}));
}

TEST_F(Registers, TheSuspendedCountStopsAtAHundred) {
    std::string many;
    for (int i = 0; i < 103; ++i) many += team("r", "S" + std::to_string(i));
    t.write(files::kSuspended, many + "partial");
    countSuspended(m, dir);
    EXPECT_EQ(m.suspendedCount, 100);
    m.teamCodec.clearRecord();
    EXPECT_FALSE(appendSuspended(m, dir));
}

TEST_F(Registers, SnapshotsBringBothRegistersBack) {
    const std::string teams = reg({{1, team("a", "A")}, {2, team("b", "B")}});
    t.write(files::kTeamRegister, teams);
    t.write(files::kSuspended, suspended({"X", "Y"}));
    countSuspended(m, dir);
    ASSERT_TRUE(snapshotRegisters(m, dir));
    EXPECT_EQ(t.read(files::kTeamSnapshot), teams);
    EXPECT_EQ(t.read(files::kSuspendedSnapshot), suspended({"X", "Y"}));

    t.write(files::kTeamRegister, reg({}));
    t.write(files::kSuspended, suspended({"Z"}));
    m.suspendedCount = 1;
    ASSERT_TRUE(restoreRegisters(m, dir));
    EXPECT_EQ(t.read(files::kTeamRegister), teams);
    EXPECT_EQ(t.read(files::kSuspended), suspended({"X", "Y"}));
    EXPECT_EQ(m.suspendedCount, 2);
}

TEST_F(Registers, AnEmptySuspendedSnapshotEmptiesTheRegisterAgain) {
    t.write(files::kTeamRegister, reg({}));
    t.write(files::kSuspended, "");
    countSuspended(m, dir);
    ASSERT_TRUE(snapshotRegisters(m, dir));
    EXPECT_EQ(t.size(files::kSuspendedSnapshot), 0);
    t.write(files::kSuspended, suspended({"New"}));
    m.suspendedCount = 1;
    restoreRegisters(m, dir);
    EXPECT_EQ(t.size(files::kSuspended), 0);
    EXPECT_EQ(m.suspendedCount, 0);
}

TEST_F(Registers, MissingSnapshotsLeaveTheRegistersAlone) {
    t.write(files::kTeamRegister, reg({{5, team("e", "E")}}));
    t.write(files::kSuspended, suspended({"Q"}));
    m.suspendedCount = 1;
    restoreRegisters(m, dir);
    EXPECT_EQ(t.read(files::kTeamRegister), reg({{5, team("e", "E")}}));
    EXPECT_EQ(m.suspendedCount, 1);
    // A snapshot cut short still restores a register of 200 records.
    t.write(files::kTeamSnapshot, team("a", "A"));
    restoreRegisters(m, dir);
    EXPECT_EQ(t.read(files::kTeamRegister), reg({{1, team("a", "A")}}));
}

TEST_F(Registers, SwappingAndMovingKeepTheRegisterAndTheResultsInStep) {
    t.write(files::kTeamRegister, reg({{1, team("a", "A")}, {2, team("b", "B")}}));
    std::string res = std::string(31, ' ') + "\n";
    std::string blk = repeatRecord(std::string(45, ' ') + "\n", 200);
    blk.replace(0, 46, padField("A", false, 45) + "\n");
    blk.replace(46, 46, padField("B", false, 45) + "\n");
    t.write(files::kResults, res + blk);
    ASSERT_TRUE(swapTeams(m, dir, 1, 2));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(0, 1000), team("b", "B"));
    EXPECT_EQ(t.read(files::kResults).substr(32, 1), "B");
    ASSERT_TRUE(moveTeam(m, dir, 1, 3));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(2000, 1000), team("b", "B"));
    EXPECT_EQ(t.read(files::kTeamRegister).substr(0, 1000), kEmptyTeam);
    EXPECT_EQ(t.read(files::kResults).substr(32 + 92, 1), "B");
    EXPECT_EQ(t.read(files::kResults).substr(32, 46), std::string(45, ' ') + "\n");
}

}  // namespace
