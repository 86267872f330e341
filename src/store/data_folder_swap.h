#pragma once
// Data/ replaced by the files of a copy in Backup/ as one change: whenever the process stops,
// the working folder holds either the old Data/ or the restored one, never a mixture.
//
// How: the copy's files are written into a new folder beside Data/ and synced, with the
// folder; Data/ is renamed aside, the new folder is renamed to Data/, the working folder is
// synced, and the old folder is removed. Start-up finishes a swap that a stopped process left
// between its two renames and removes what is left over. Nothing else in the working folder is
// touched (the lock file, Backup/, Zip/, …).

#include <string>

#include "store/data_dir.h"
#include "store/save_result.h"

// The folders of a swap in progress, beside Data/.
inline constexpr const char* kIncomingDataFolder = "Data.tf-new";
inline constexpr const char* kOutgoingDataFolder = "Data.tf-old";

// Replaces Data/ with the regular files of copyFolder (a folder of the working folder, e.g.
// "Backup/Data-20261208-100000"), leaving out its note. On failure Data/ is as it was and the
// result names what could not be written.
SaveResult replaceDataFolder(const DataDir& dir, const std::string& copyFolder);

// Completes or undoes a swap a stopped process left half done. Start-up runs it before anything
// reads or creates Data/. False when the working folder could not be brought back in order.
bool finishInterruptedSwap(const DataDir& dir);
