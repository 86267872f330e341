// Every operation that rewrites more than one record or file, with the power cut at every
// point of it: whatever the disk keeps of what was not synced, the next start finds the
// league before the operation or after it, and a copy's name in Backup/ only ever on a whole
// copy. And the simulation is sharp enough to notice each of the faults that would break that.

#include <gtest/gtest.h>

#include <algorithm>

#include "session/league_operations.h"
#include "session/power_cut_simulation.h"

namespace {

using fileio::testing::PlantedFault;

PowerCutReport cutThePowerThroughout(const LeagueOperation& op, PlantedFault fault = PlantedFault::None) {
    TempFolder t;
    LeagueModel m = layStartingPoint(t, op);
    return simulatePowerCuts(
        t, [&] { op.run(m, t.dir()); }, fault);
}

std::string listed(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += "\n  " + l;
    return text;
}

class PowerCutAtEveryPoint : public ::testing::TestWithParam<LeagueOperation> {
protected:
    void TearDown() override { fileio::testing::reset(); }
};

TEST_P(PowerCutAtEveryPoint, LeavesTheLeagueBeforeOrAfter) {
    const PowerCutReport r = cutThePowerThroughout(GetParam());
    EXPECT_GT(r.events, 0);
    EXPECT_TRUE(r.violations.empty()) << listed(r.violations);
    RecordProperty("events", int(r.events));
    RecordProperty("states", int(r.statesSeen));
}

INSTANTIATE_TEST_SUITE_P(Operations, PowerCutAtEveryPoint, ::testing::ValuesIn(leagueOperations()),
                         [](const auto& info) { return std::string(info.param.name); });

// One fault planted at a time into an operation it breaks: a save of two files (the results
// and the team register), a restore, and a term deletion that copies Data/ to Backup/ first.
struct PlantedCase {
    PlantedFault fault;
    const char* operation;
    const char* caught;  // what the simulation must report
};

class PlantedFaults : public ::testing::TestWithParam<PlantedCase> {
protected:
    void TearDown() override { fileio::testing::reset(); }
};

TEST_P(PlantedFaults, AreCaughtByTheSimulation) {
    const auto& list = leagueOperations();
    const auto op = std::find_if(list.begin(), list.end(),
                                 [](const auto& o) { return o.name == std::string(GetParam().operation); });
    ASSERT_NE(op, list.end());
    const PowerCutReport r = cutThePowerThroughout(*op, GetParam().fault);
    EXPECT_TRUE(std::any_of(r.violations.begin(), r.violations.end(),
                            [](const std::string& v) { return v.find(GetParam().caught) != std::string::npos; }))
        << "the simulation let the fault through in " << r.statesSeen << " states" << listed(r.violations);
}

std::string caseName(const ::testing::TestParamInfo<PlantedCase>& info) {
    static const char* const faults[] = {"None",       "NoJournal",    "RewriteInPlace",
                                         "NoFileSync", "NoFolderSync", "NoBuiltFolderSync"};
    return std::string(faults[int(info.param.fault)]) + "In" + info.param.operation;
}

constexpr const char* kExchange = "ExchangingTeamsOfTwoGroups";

INSTANTIATE_TEST_SUITE_P(
    Faults, PlantedFaults,
    ::testing::Values(PlantedCase{PlantedFault::NoJournal, kExchange, "Data/ is neither"},
                      PlantedCase{PlantedFault::RewriteInPlace, kExchange, "Data/ is neither"},
                      PlantedCase{PlantedFault::NoFileSync, kExchange, "Data/ is neither"},
                      PlantedCase{PlantedFault::NoFolderSync, kExchange, "Data/ is neither"},
                      PlantedCase{PlantedFault::NoBuiltFolderSync, "RestoringACopy", "Data/ is neither"},
                      PlantedCase{PlantedFault::NoBuiltFolderSync, "DeletingTheNewestTerm", "not a whole copy"}),
    caseName);

}  // namespace
