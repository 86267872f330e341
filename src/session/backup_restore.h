#pragma once
// Getting a season back: Data/ as a copy in Backup/ holds it. The Data/ being left is copied
// first (its note says 復元), so that restoring that copy undoes the restore.

#include <string>

#include "session/league_session.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class RestoreOutcome {
    NoSuchCopy,    // the copy is not in Backup/ (any more)
    NotWhole,      // the copy lacks the results file or the team register; nothing changed
    BackupFailed,  // Data/ could not be copied first; nothing changed
    NotSaved,      // Data/ could not be replaced; nothing changed (saved names what failed)
    Restored,      // Data/ is the copy's; the league is read afresh from it
};

struct RestoreRun {
    RestoreOutcome outcome = RestoreOutcome::NoSuchCopy;
    SaveResult saved = SaveResult::saved();
    std::string undoCopy;    // the copy of the Data/ left behind, "Data-…"
    StartupResult reloaded;  // Restored: what reading the restored Data/ found, as a start would
};

// Restores the copy Backup/<folder>, then loads the league again as a start does (newest term,
// group 1). The linked-mode choice and whether a term was deleted in this run stay as they were.
RestoreRun restoreBackup(LeagueModel& m, const DataDir& dir, const std::string& folder, const LocalDateTime& now);
