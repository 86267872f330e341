#pragma once
// The next term's line-up on the change-over screen: the draft made from the final ranks of
// the newest term, the revised line-up that the stored rules and the organiser's changes make
// of it, the counts of teams per group, and the checks a line-up must pass to be carried out.
//
// Slots count from 0: row r of group slot g is g × 10 + r; slots from 200 on are the column
// of suspended teams (the screen shows ten rows of it at a time). In RankedTeamRecord and
// NextTermTeam a team is named by its position (1..200) in the newest term, or by 200 + k for
// record k (1-based) of Data/Kyuubu.001; 0 is an empty cell. ChangePositionMap holds, for
// every revised slot, the draft position (1-based) its team comes from.

#include <array>
#include <string>
#include <vector>

#include "league/change_over_arrangement.h"
#include "store/capacities.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

inline constexpr int kSuspendedColumn = kTeamPositions;  // first slot of the fifth column

inline bool isGroupSlot(int slot) {
    return slot >= 0 && slot < kSuspendedColumn;
}

// What the screen reads as it opens: the names of the draft's teams, and the stored rules
// that place no team this term.
struct DraftTeams {
    std::array<std::string, kChangePositions> names;  // by team − 1: the 20-byte name, or empty
    std::vector<UnusedRule> unusedRules;
    const std::string& name(int team) const;
};

// Opening the screen: each group's teams of the newest term are counted (resultTeams and
// teamMax), the draft lists them by their stored ranks (teams sharing a rank at that rank in
// group order, teams without a rank after the ranked ones), the suspended teams follow from
// slot 200, and the revised line-up is arranged afresh by the stored rules.
DraftTeams prepareChangeOver(LeagueModel& m, const DataDir& dir);

enum class LineUpChange {
    Nothing,        // both cells in the fifth columns, or an empty draft cell
    Moved,          // between group slots; the rule was stored
    NotSaved,       // the rule of a move could not be stored (saved names the file); nothing moved
    Suspended,      // the team leaves the line-up for the suspended column
    Returned,       // a suspended team joins a group
    GroupFull,      // refused: no group can take one more team (group names it)
    SuspendedFull,  // refused: the suspended column holds 100 teams
};

struct LineUpChangeResult {
    LineUpChange kind = LineUpChange::Nothing;
    SaveResult saved = SaveResult::saved();  // the rule of a move
    int group = -1;                          // the full group of a refusal
};

// "変更する": the draft team at draftSlot goes to revisedSlot (both 0..299). An empty draft
// cell moves nothing. Between group slots the rule is stored first, and only once it is the
// team leaves every other slot. Into the
// fifth column the team is suspended from the next term: the teams after it move up one
// slot and the last group in use holds one team fewer. From the fifth column a suspended
// team comes back at revisedSlot: the teams after it move down one slot and the last group in
// use grows by one; when that group already holds ten teams, the group after it takes the
// last team, but a return into a full last group is refused. A return into an empty row of a
// group puts the team after the group's last team, and that group grows; a suspension into a
// row past the column's last entry joins the column at its end. A refused change leaves
// everything as it was.
LineUpChangeResult applyLineUpChange(LeagueModel& m, const DataDir& dir, int draftSlot, int revisedSlot);

struct CountsChange {
    enum Kind { Applied, OutOfRange, TooFew } kind = Applied;
    int group = -1;   // the count out of range
    int entries = 0;  // how many entries the counts must hold
};

// The teams per group of the next term: the line-up keeps its order and is poured into the
// groups with the new counts. Each group then counts the entries it received. Counts outside
// 0..10, or too few to hold every entry, change nothing.
CountsChange reflowTeamsPerGroup(LeagueModel& m, const std::array<int, kGroups>& counts);

struct LineUpProblem {
    enum Kind {
        None,
        NoTeams,           // no group holds a team
        BadCount,          // group: a count outside 0..10
        Gap,               // group, row: an empty row within the group's count
        BeyondCount,       // group, row: a team after the group's count
        Twice,             // team: in two places
        Missing,           // team: a draft team that is nowhere
        TooManySuspended,  // more than 100 teams would be suspended
    } kind = None;
    int group = -1;
    int row = -1;
    int team = 0;
};

// The first reason the revised line-up cannot be carried out, in the order above.
LineUpProblem checkLineUp(const LeagueModel& m);

// The entries of the column of suspended teams that starts at slot 200 of teams: up to its
// last filled row.
int suspendedColumnLength(const std::array<int, kChangePositions>& teams);
