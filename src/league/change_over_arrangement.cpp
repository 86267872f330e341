#include "league/change_over_arrangement.h"

#include <algorithm>

namespace {

// The rules that place a team: one per target and one per revised slot, the later record
// winning, as a file of the older program may hold both.
std::vector<ChangeOverRule> placingRules(const std::array<int, kChangePositions>& draft,
                                         const std::vector<ChangeOverRule>& rules, std::vector<UnusedRule>& unused) {
    std::vector<ChangeOverRule> placing;
    for (const ChangeOverRule& r : rules) {
        if (!isLastingRule(r)) {
            unused.push_back({r, UnusedRule::Temporary});
            continue;
        }
        if (draft[r.target - 1] == 0) {
            unused.push_back({r, UnusedRule::EmptyDraft});
            continue;
        }
        std::erase_if(placing, [&](const ChangeOverRule& p) { return p.target == r.target || p.source == r.source; });
        placing.push_back(r);
    }
    return placing;
}

}  // namespace

Arrangement arrangeByRules(const std::array<int, kChangePositions>& draft, const std::array<int, kGroups>& counts,
                           const std::vector<ChangeOverRule>& rules) {
    Arrangement a;
    for (int i = 0; i < kChangePositions; ++i) a.sources[i] = i + 1;

    std::array<bool, kTeamPositions> ruledSlot{}, placedTeam{};
    for (const ChangeOverRule& r : placingRules(draft, rules, a.unused)) {
        a.sources[r.source - 1] = r.target;
        ruledSlot[r.source - 1] = true;
        placedTeam[r.target - 1] = true;
    }
    // A slot whose own team a rule placed elsewhere is free; the teams whose own slot a rule
    // took fill the free slots in order.
    std::vector<int> freeSlots, pushedOut;
    for (int i = 0; i < kTeamPositions; ++i) {
        if (!ruledSlot[i] && placedTeam[i]) freeSlots.push_back(i);
        if (ruledSlot[i] && !placedTeam[i] && draft[i] != 0) pushedOut.push_back(i + 1);
    }
    for (std::size_t k = 0; k < freeSlots.size(); ++k)
        a.sources[freeSlots[k]] = k < pushedOut.size() ? pushedOut[k] : 0;

    for (int i = 0; i < kChangePositions; ++i) a.teams[i] = a.sources[i] ? draft[a.sources[i] - 1] : 0;
    a.counts = counts;
    for (int g = 0; g < kGroups; ++g)
        for (int r = kTeamsPerGroup - 1; r >= std::clamp(a.counts[g], 0, kTeamsPerGroup); --r)
            if (a.teams[g * kTeamsPerGroup + r] != 0) {
                a.counts[g] = r + 1;
                break;
            }
    return a;
}

bool lineUpDiffersFromRules(const LeagueModel& m, const DataDir& dir) {
    const Arrangement a = arrangeByRules(m.RankedTeamRecord, m.teamMax, readChangeOverRules(dir));
    return a.teams != m.NextTermTeam || a.counts != m.resultTeams;
}

std::optional<ChangeOverRule> ruleBehindGap(const std::vector<ChangeOverRule>& rules, int position) {
    for (const ChangeOverRule& r : rules)
        if (isLastingRule(r) && r.target == position && r.source != position) return r;
    const int groupEnd = (slotOfPosition(position) + 1) * kTeamsPerGroup;
    for (const ChangeOverRule& r : rules)
        if (isLastingRule(r) && r.source > position && r.source <= groupEnd) return r;
    return std::nullopt;
}
