#pragma once
// Carrying out the change-over: the new term starts with the revised line-up. One save
// replaces the results file (every term one slot back, the oldest dropped, the new term in
// slot 0 holding the line-up's names with blank results), the team register in the new
// line-up's order, the suspended register, and the snapshots of both registers from before,
// so that deleting the newest term can undo it. A copy of Data/ is taken first and kept only
// when the save went through.

#include <string>
#include <vector>

#include "league/change_over_lineup.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class ChangeOverOutcome {
    Refused,             // the line-up does not pass its checks (see problem); nothing was written
    NoTermStored,        // there is no newest term to follow; nothing was written
    Unreadable,          // a file the new term is made from cannot be read (saved names it)
    DetailsWouldBeLost,  // some teams' details would find no record (detailsLost); nothing was written
    BackupFailed,        // Data/ could not be copied first; nothing was changed
    NotSaved,            // the files could not be written; nothing was changed
    Done,                // the new term is the newest, group 1 of it selected
};

struct ChangeOverRun {
    ChangeOverOutcome outcome = ChangeOverOutcome::Refused;
    LineUpProblem problem;
    SaveResult saved = SaveResult::saved();
    // The 20-byte names of the teams in neither the new line-up nor the suspended list whose
    // register records find no free record: their details are left out of the new register
    // (the copy of Data/ holds them).
    std::vector<std::string> detailsLost;
};

// The new term is the one after the newest stored term. Team register record n afterwards
// holds the details of the team at position n of the new term: each team keeps its own, a
// returning team brings them from the suspended register, a team suspended from the new term
// takes them there and leaves its record blank. Records of no team in the line-up stay in the
// free records after it; when some find none, nothing is done unless lossAccepted, the
// organiser having been told which teams' details go. The suspended register keeps every record
// it held that does not return, past the hundredth too.
ChangeOverRun executeChangeOver(LeagueModel& m, const DataDir& dir, const LocalDateTime& now,
                                bool lossAccepted = false);
