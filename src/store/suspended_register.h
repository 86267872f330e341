#pragma once
// Data/Kyuubu.001: one 1000-byte record per suspended team, in the order of suspension,
// at most 100; and the snapshots of both registers taken before a change-over.

#include <optional>
#include <string>

#include "store/data_dir.h"
#include "store/file_transaction.h"
#include "store/league_model.h"
#include "store/save_result.h"

// suspendedCount from the file size (at most 100); creates an empty file when missing.
// False when the register can be neither read nor created.
bool countSuspended(LeagueModel& m, const DataDir& dir);
// Suspended record k (1-based); empty when it cannot be read.
std::string readSuspended(const DataDir& dir, int k);

// The file's whole records, counted ones first; a missing file is an empty list. Nothing
// when the file is there but cannot be read.
std::optional<std::string> readSuspendedImage(const DataDir& dir);
// The suspended record of a team: fields 0..11 of its team register record, the reserved
// field blank.
std::string suspendedRecordFrom(const std::string& teamRecord);
// A list image without record k (0-based). Records past the hundredth, which an older program
// may have written without counting them, are kept after the others.
std::string suspendedImageWithout(const std::string& image, int k);
// The number of teams a list image holds, as counted (at most 100).
int suspendedCountOf(const std::string& image);
// Appends a team from its team register record (fields 0..11, the name included). A 101st
// team is refused before anything is written.
SaveResult appendSuspended(LeagueModel& m, const DataDir& dir, const std::string& teamRecord);
// Drops record k (0-based), keeping the others in order. Data/Kyuubu.tmp keeps the same
// records, as the older program left it.
SaveResult removeSuspended(LeagueModel& m, const DataDir& dir, int k);

// Data/Kyuubu.old and Data/Info.old from the registers, as one save, just before a change-over.
// The suspended snapshot holds every whole record, the uncounted ones past the hundredth too.
SaveResult snapshotRegisters(const LeagueModel& m, const DataDir& dir);

// The registers as the snapshots would restore them. A missing snapshot restores nothing;
// a snapshot that is not whole (Info.old short of 200 records) makes the restore impossible,
// for it would blank teams.
struct RestoredRegisters {
    std::optional<std::string> team;       // the new Data/Info.001
    std::optional<std::string> suspended;  // the new Data/Kyuubu.001
    std::string damaged;                   // the snapshot that cannot be used, e.g. "Data/Info.old"
};
RestoredRegisters restoredRegisters(const DataDir& dir);
// Stages the restored registers into a save. False (nothing staged) when a snapshot is damaged.
bool stageRestoredRegisters(const RestoredRegisters& r, FileTransaction& t);
