#pragma once
// Deleting the newest term: undoes the last change-over, at most once per run of the program.
// The results file and both registers change as one save: all of it happens, or none.

#include <string>

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class TermDeletionOutcome {
    NotOffered,       // fewer than two terms are stored
    AlreadyDone,      // a term was deleted earlier in this run
    BackupFailed,     // Data/ could not be copied first; nothing was changed
    SnapshotDamaged,  // a register snapshot is not whole; nothing was changed
    NotSaved,         // the files could not be written; nothing was changed
    Deleted,          // registers restored, newest term gone, the new newest term selected
};

struct TermDeletion {
    TermDeletionOutcome outcome = TermDeletionOutcome::NotOffered;
    SaveResult saved = SaveResult::saved();  // names the file at fault when not deleted
};

// Copies Data/ into Backup/, then restores both registers from their snapshots and removes
// the newest term in one save. The copy is kept only when the save went through. On success
// the newest remaining term is shown from group 1 and its counts are taken again.
TermDeletion deleteNewestTermOnce(LeagueModel& m, const DataDir& dir, const LocalDateTime& now);
