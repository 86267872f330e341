#pragma once
// Writes what an import preview showed: the new teams' names into the empty rows of the
// shown term, and their details into the team register, as one save after a copy of Data/.
// Results are not touched.

#include <string>

#include "league/team_import.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

struct ImportWrite {
    enum Outcome {
        Written,         // everything; the model's counts follow
        NothingToWrite,  // the preview holds no team, or nothing it gives differs: no copy, no write
        Changed,         // the files changed since the preview (a row is no longer empty, a record no
                         // longer free): nothing written; preview again
        Unreadable,      // a data file could not be read: nothing written
        BackupFailed,    // the copy of Data/ could not be made: nothing written
        NotSaved,        // the save failed: nothing written
    };
    Outcome outcome = NotSaved;
    SaveResult saved = SaveResult::saved();  // the file that failed, for Unreadable, BackupFailed, NotSaved
    std::string backup;                      // "Backup/Data-20261208-100000" when a copy was made
    int added = 0;                           // teams placed into empty rows
    int updated = 0;                         // teams already there whose details changed
};

ImportWrite writeImport(LeagueModel& m, const DataDir& dir, const ImportPreview& p, const LocalDateTime& now);

// One line for the user (Japanese), e.g. "12チームを取り込みました（詳細の更新 3チーム）".
std::string importWriteText(const ImportWrite& w);
