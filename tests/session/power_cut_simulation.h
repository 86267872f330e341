#pragma once
// A power cut at every point of an operation, in the spirit of SQLite's crash-test file
// system. The file layer records what reached the disk, in order: writes, file syncs,
// creations, truncations, renames, removals and folder syncs. From that record the
// simulation works out, for every point between two events (and after the last), what a
// disk that keeps only what was synced may hold when the power comes back:
//  - each file's data as of its last fsync, or with every write since;
//  - the folder's names as of its last sync, with any of the creations, renames and removals
//    made since (every subset while they are few, else none, all, each prefix, each one
//    alone and all but each one);
//  - the write in flight torn at a sector boundary: only its first sectors written, or only
//    its last.
// Each such Data/ folder is laid out afresh, start-up's recovery runs on it, and it must then
// hold exactly the files before the operation or after it, and a start must read the league
// before or after. Once the operation has returned every new name must have been synced: a
// power cut may then cost at most records written in place that were not synced yet (the
// state before), never a file of the save.

#include <functional>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "support/temp_folder.h"

struct PowerCutReport {
    long events = 0;      // recorded events of the operation, in Data/ or elsewhere
    long statesSeen = 0;  // distinct folders a power cut may leave, each recovered and checked
    std::vector<std::string> violations;
};

// Runs operation on folder (whose Data/ counts as synced) with the events recorded and the
// fault planted, then checks every state a power cut may leave.
PowerCutReport simulatePowerCuts(const TempFolder& folder, const std::function<void()>& operation,
                                 fileio::testing::PlantedFault fault = fileio::testing::PlantedFault::None);
