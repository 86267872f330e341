#pragma once
// A power cut at every point of an operation, in the spirit of SQLite's crash-test file
// system. The file layer records what reached the disk, in order: creations of files and
// folders, writes, file syncs, truncations, renames, removals and folder syncs. From that
// record a simulated disk (simulated_disk.h) works out, for every point between two events
// (and after the last), what the working folder may hold when the power comes back: Data/,
// Backup/ with its copies, and the folders a restore swaps in and out.
//
// Each such folder is laid out afresh and recovered as a start does, and then:
//  - Data/ holds exactly the files before the operation or after it, and a start reads the
//    league before or after;
//  - no folder of a restore (Data.tf-new, Data.tf-old) and no half-made copy is left;
//  - every folder under a copy's name in Backup/ is whole: the files and note it holds before
//    the operation or after it.
// When that recovery has work to do, the power is cut again at every point of it, once for each
// shape of recovery: recoveries that differ only in which leftovers they remove (the files of a
// half-made copy, of a restore's old folder) are cut once, or each half-made copy would
// multiply the states by its own.
// Once the operation has returned every creation and rename must have been synced: a power
// cut may then cost at most records written in place that were not synced yet (the state
// before), or bring back what was being removed, never a file of the save.

#include <functional>
#include <string>
#include <vector>

#include "store/file_io.h"
#include "support/temp_folder.h"

struct PowerCutReport {
    long events = 0;      // recorded events of the operation
    long statesSeen = 0;  // distinct folders a power cut may leave, each recovered and checked
    std::vector<std::string> violations;
};

// Runs operation on folder (whose contents count as synced) with the events recorded and the
// fault planted, then checks every state a power cut may leave.
PowerCutReport simulatePowerCuts(const TempFolder& folder, const std::function<void()>& operation,
                                 fileio::testing::PlantedFault fault = fileio::testing::PlantedFault::None);
