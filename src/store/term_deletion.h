#pragma once
// Deleting the newest term: undoes the last change-over, at most once per run of the program.

#include "store/data_dir.h"
#include "store/league_model.h"

enum class TermDeletion {
    NotOffered,   // fewer than two terms are stored
    AlreadyDone,  // a term was deleted earlier in this run
    Failed,       // the results file cannot be read; nothing was changed
    Deleted,      // registers restored, newest term gone, the new newest term selected
};

// Restores both registers from their snapshots, then removes the newest term. The group
// counts of the team register are recounted, since the restored register may differ.
TermDeletion deleteNewestTermOnce(LeagueModel& m, const DataDir& dir);
