#pragma once
// Which team stands in each of the 200 positions of one term, and how that changes when a team
// leaves a row or a suspended team comes back into one. A change is planned first (where the
// team of every new position comes from) and then carried out on the term's records, so that
// no team is lost or doubled and every pairing keeps its own result.

#include <array>
#include <string>
#include <string_view>

#include "store/capacities.h"

// For each new position (0-based), the old position its team comes from, or one of these.
inline constexpr int kEmptyRow = -1;
inline constexpr int kReturningTeam = -2;
using LineUpPlan = std::array<int, kTeamPositions>;

// The rows a group spans in a term block (200 records): up to and with its last named row, the
// rows the table shows. The register's count of teams with a representative is not used: it
// follows how far contact details have been typed in.
int groupExtent(std::string_view block, int groupSlot);

enum class LineUpRefusal {
    None,
    NoTeam,       // the row holds no team
    GroupFull,    // the group holds 10 teams and none may pass on
    NoGroupLeft,  // the team pushed out of the twentieth group has nowhere to go
};

struct LineUpChange {
    LineUpPlan plan{};
    LineUpRefusal refusal = LineUpRefusal::None;
    int arrival = -1;  // new position of a returning team
};

// The team in row (0..9) of group slot groupSlot leaves and the rows below close the gap. Linked,
// every later group in use passes its first team up into the last row of the group above, so
// that each keeps its count; the chain ends at the first empty group.
LineUpChange planRemoval(std::string_view block, int groupSlot, int row, bool linked);

// A team arrives at row (0..9) of group slot groupSlot, or just below the group's last team
// when the row lies further down. Unlinked, the rows below move down within a group that is not
// full. Linked, each group from this one on keeps its count by passing its last team to the top
// of the next; the last group in use grows by one, or, when it holds 10, the empty group after
// it takes the team. A team arriving below the last team only joins that group.
LineUpChange planReturn(std::string_view block, int groupSlot, int row, bool linked);

// Whether any position of the group changed hands.
bool groupChanged(const LineUpPlan& plan, int groupSlot);

// The block with the plan carried out on every changed group. Each record takes its team's
// name; a result stays only between two teams that shared a group before and still do, every
// other cell (the returning team's, a newcomer's) becomes blank. Counts, rate and rank stay with
// a team that keeps its group and are blank for one new to it; the caller recomputes them.
std::string applyLineUp(std::string_view block, const LineUpPlan& plan, std::string_view returningName);
