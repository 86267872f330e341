#pragma once
// The revised line-up the stored change-over rules make of the draft, built the same way at
// every opening of the change-over screen, and the rules that place no team this term.
//
// A rule puts the draft team of its target position into the revised slot of its source
// position. The team then sits there only: its own slot is left to the team that a rule
// pushed out of its place, in slot order, so that every draft team appears exactly once. A
// rule from an empty draft position, or one naming the suspended column (a temporary rule
// the older program wrote), places nothing.

#include <array>
#include <optional>
#include <vector>

#include "league/change_over_rules.h"
#include "store/capacities.h"
#include "store/data_dir.h"
#include "store/league_model.h"

struct UnusedRule {
    ChangeOverRule rule;
    enum Why { EmptyDraft, Temporary } why = EmptyDraft;
};

struct Arrangement {
    std::array<int, kChangePositions> sources{};  // ChangePositionMap: draft position per slot, 0 empty
    std::array<int, kChangePositions> teams{};    // NextTermTeam
    std::array<int, kGroups> counts{};            // next-term teams per group
    std::vector<UnusedRule> unused;               // in file order
};

// draft: RankedTeamRecord; counts: each group's teams in the newest term. A group grows to
// hold a team that a rule places after its last one.
Arrangement arrangeByRules(const std::array<int, kChangePositions>& draft, const std::array<int, kGroups>& counts,
                           const std::vector<ChangeOverRule>& rules);

// Whether leaving the screen would lose something: the line-up on screen is not the one the
// stored rules give (a move to or from the suspended column, new counts, an exchange left
// half done). The draft and its counts (teamMax) are those of the opening.
bool lineUpDiffersFromRules(const LeagueModel& m, const DataDir& dir);

// The stored rule that explains an empty row at position (1-based) of the revised line-up:
// one that took the draft team of that position elsewhere, or one that placed a team after
// it in its group. Nothing when no rule is involved.
std::optional<ChangeOverRule> ruleBehindGap(const std::vector<ChangeOverRule>& rules, int position);
