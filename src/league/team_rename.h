#pragma once
// A name typed into a row of the team list, stored so that the team keeps its details: the
// details live in the team register record that carries the team's name, so a corrected name
// takes that record along instead of starting an empty one.

#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class NameChangeOutcome {
    Unchanged,      // the row already held that name
    Stored,         // the name was written; its record is found or allocated when the team is selected
    RecordRenamed,  // the team's register record now carries the new name as well
    RegisterFull,   // the name would need a record and all 200 are in use: nothing was written
};

struct NameChange {
    NameChangeOutcome outcome = NameChangeOutcome::Unchanged;
    SaveResult saved = SaveResult::saved();
};

// Writes nameField (20 bytes) into row (0..9) of group slot groupSlot in term slot termSlot
// and makes that row the current team. When the row held a team whose name no other row of
// that term bears (nor, for an older term, any row of the newest term), and no record carries
// the new name yet, the team's record is renamed with it, both files as one save. A name that
// already has a record keeps using it. Older terms keep the names they stored.
NameChange changeTeamName(LeagueModel& m, const DataDir& dir, int termSlot, int groupSlot, int row,
                          std::string_view nameField);
