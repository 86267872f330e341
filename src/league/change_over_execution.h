#pragma once
// Carrying out the change-over: the new term starts with the revised line-up. One save
// replaces the results file (every term one slot back, the oldest dropped, the new term in
// slot 0 holding the line-up's names with blank results), the team register in the new
// line-up's order, the suspended register, and the snapshots of both registers from before,
// so that deleting the newest term can undo it. A copy of Data/ is taken first.

#include "league/change_over_lineup.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class ChangeOverOutcome {
    Refused,       // the line-up does not pass its checks (see problem); nothing was written
    NoTermStored,  // there is no newest term to follow; nothing was written
    Unreadable,    // a file the new term is made from cannot be read (saved names it)
    BackupFailed,  // Data/ could not be copied first; nothing was changed
    NotSaved,      // the files could not be written; nothing was changed
    Done,          // the new term is the newest, group 1 of it selected
};

struct ChangeOverRun {
    ChangeOverOutcome outcome = ChangeOverOutcome::Refused;
    LineUpProblem problem;
    SaveResult saved = SaveResult::saved();
};

// The new term is the one after the newest stored term. Team register record n afterwards
// holds the details of the team at position n of the new term: each team keeps its own, a
// returning team brings them from the suspended register, a team suspended from the new term
// takes them there and leaves its record blank. Records of no team in the line-up stay, in a
// position no team takes.
ChangeOverRun executeChangeOver(LeagueModel& m, const DataDir& dir, const LocalDateTime& now);
