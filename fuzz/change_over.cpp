// The change-over over a fuzzed folder: the draft, the organiser's line-up changes and
// counts, the checks, and the execution, on a disk that may be full or a file that may refuse
// writes. Whatever it does not carry out leaves Data/ as it was; what it carries out, a fresh
// start reads back as the model holds it.

#include "fuzz_folder.h"
#include "league/change_over_execution.h"
#include "league/change_over_lineup.h"
#include "session/league_session.h"
#include "steering.h"
#include "store/file_io.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view steeringBytes;
    FuzzFolder& f = startOnImage(data, size, &steeringBytes);
    Steering steer(steeringBytes);
    LeagueModel& m = f.model;

    const DraftTeams draft = prepareChangeOver(m, f.dir);
    (void)draft.name(1 + steer.next(kChangePositions));
    const int changes = steer.next(12);
    for (int i = 0; i < changes; ++i) {
        const int from = steer.next(kSuspendedColumn + kSuspendedRowsShown);
        (void)applyLineUpChange(m, f.dir, from, steer.next(kSuspendedColumn + kSuspendedRowsShown));
    }
    if (steer.flag()) {
        std::array<int, kGroups> counts{};
        for (int& c : counts) c = steer.next(12);
        (void)reflowTeamsPerGroup(m, counts);
    }
    (void)checkLineUp(m);

    const auto before = dataFiles(f.dir);
    failWrites(steer.next(8));
    const ChangeOverRun run = executeChangeOver(m, f.dir, kFuzzNow);
    if (run.outcome != ChangeOverOutcome::Done) {
        require(dataFiles(f.dir) == before, "a change-over that is not carried out changes nothing");
        return 0;
    }
    fileio::testing::reset();
    LeagueModel again;
    (void)loadLeague(again, f.dir, kFuzzToday);
    require(again.termTeamCount == m.termTeamCount, "the new term's team count is the one stored");
    require(again.suspendedCount == m.suspendedCount, "the suspended count is the one stored");
    return 0;
}
