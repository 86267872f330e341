// The change-over rules and their list over a fuzzed folder: rules stored from the screen,
// deleted from the list, applied when the screen opens, and sorted at close.

#include "fuzz_folder.h"
#include "league/change_over_lineup.h"
#include "league/change_over_rules.h"
#include "session/league_session.h"
#include "steering.h"
#include "store/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view steeringBytes;
    FuzzFolder& f = startOnImage(data, size, &steeringBytes);
    Steering steer(steeringBytes);

    const int edits = steer.next(10);
    for (int i = 0; i < edits; ++i) {
        if (steer.flag()) {
            const int target = 1 + steer.next(kChangePositions);
            (void)storeChangeOverRule(f.dir, target, 1 + steer.next(kChangePositions));
        } else {
            const std::size_t listed = readChangeOverRules(f.dir).size();
            (void)deleteChangeOverRule(f.dir, listed == 0 ? 0 : steer.next(int(listed)));
        }
    }
    for (const ChangeOverRule& r : readChangeOverRules(f.dir)) (void)isLastingRule(r);
    (void)ruleSourceFor(f.dir, 1 + steer.next(kTeamPositions));
    (void)prepareChangeOver(f.model, f.dir);
    (void)checkLineUp(f.model);

    const std::size_t before = readChangeOverRules(f.dir).size();
    (void)closeLeague(f.model, f.dir);
    require(readChangeOverRules(f.dir).size() == before, "sorting the rules keeps every one");
    return 0;
}
