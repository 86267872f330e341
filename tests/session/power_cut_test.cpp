// Every operation that rewrites more than one record or file, with the power cut at every
// point of it: whatever the disk keeps of what was not synced, the next start finds the
// league before the operation or after it. And the simulation is sharp enough to notice
// each of the faults that would break that.

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

// A save of two files (the results and the team register) with one fault planted at a time.
class PlantedFaults : public ::testing::TestWithParam<PlantedFault> {
protected:
    void TearDown() override { fileio::testing::reset(); }
};

TEST_P(PlantedFaults, AreCaughtByTheSimulation) {
    const LeagueOperation& exchange =
        *std::find_if(leagueOperations().begin(), leagueOperations().end(),
                      [](const auto& op) { return op.name == std::string("ExchangingTeamsOfTwoGroups"); });
    const PowerCutReport r = cutThePowerThroughout(exchange, GetParam());
    EXPECT_FALSE(r.violations.empty()) << "the simulation let the fault through in " << r.statesSeen << " states";
}

std::string faultName(const ::testing::TestParamInfo<PlantedFault>& info) {
    static const char* const names[] = {"None", "NoJournal", "RewriteInPlace", "NoFileSync", "NoFolderSync"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Faults, PlantedFaults,
                         ::testing::Values(PlantedFault::NoJournal, PlantedFault::RewriteInPlace,
                                           PlantedFault::NoFileSync, PlantedFault::NoFolderSync),
                         faultName);

}  // namespace
