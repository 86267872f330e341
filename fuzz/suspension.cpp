// Suspension, withdrawal and return over a fuzzed folder, on a disk that may be full or a file
// that may refuse writes. A change that is not made leaves Data/ as it was; one that is made,
// a fresh start reads back as the model holds it.

#include "league/suspension.h"

#include "fuzz_folder.h"
#include "session/league_session.h"
#include "steering.h"
#include "store/file_io.h"
#include "store/results_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view steeringBytes;
    FuzzFolder& f = startOnImage(data, size, &steeringBytes);
    Steering steer(steeringBytes);
    LeagueModel& m = f.model;

    const int changes = 1 + steer.next(4);
    for (int i = 0; i < changes; ++i) {
        LineUpRequest at;
        at.termSlot = steer.next(3);
        at.groupSlot = steer.next(kGroups);
        at.row = steer.next(kTeamsPerGroup);
        at.linked = steer.flag();
        at.keepManualRanks = steer.flag();
        m.termSlotIndex = at.termSlot;
        (void)countTermTeams(m, f.dir);

        const auto before = dataFiles(f.dir);
        failWrites(steer.next(8));
        const int kind = steer.next(3);
        const LineUpResult r = kind == 2
                                   ? returnTeam(m, f.dir, at, steer.next(kMaxSuspended + 1))
                                   : removeTeam(m, f.dir, at, kind == 0 ? Leaving::Withdrawal : Leaving::Suspension);
        if (r.outcome != LineUpOutcome::Done) {
            fileio::testing::reset();
            require(dataFiles(f.dir) == before, "a suspension, withdrawal or return that is refused changes nothing");
            continue;
        }
        fileio::testing::reset();
        LeagueModel again;
        (void)loadLeague(again, f.dir, kFuzzToday);
        require(again.suspendedCount == m.suspendedCount, "the suspended count is the one stored");
        require(again.registeredTeams == m.registeredTeams, "the registered teams are the ones stored");
        again.termSlotIndex = at.termSlot;
        (void)countTermTeams(again, f.dir);
        require(again.termTeamCount == m.termTeamCount, "the term's team count is the one stored");
    }
    return 0;
}
