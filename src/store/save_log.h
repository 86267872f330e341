#pragma once
// The log of failed saves: one line per failure, with the moment, the file and the cause
// (errno name, number and the system's English text), so that whoever helps the user can
// tell a full disk from a folder that may not be written. It lies in the working folder,
// outside Data/, so that backups and restores never carry it, and keeps only its newest
// lines.

#include <cstddef>
#include <string>

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/save_result.h"

inline constexpr const char* kSaveLogName = "Tallyfold.log";
// The log is cut back to its newest half once it grows past this.
inline constexpr std::size_t kSaveLogLimit = 32 * 1024;

// "2026/12/08 10:00:00 Data/Seiseki.001 ENOSPC (28) No space left on device"
std::string saveLogLine(const SaveResult& r, const LocalDateTime& when);

// Appends the line of a failed save (nothing for a save that went through). The log is no
// data: it is not synced, and a log that cannot be written is let be.
void logSaveFailure(const DataDir& dir, const SaveResult& r, const LocalDateTime& when);

// Creates the log when missing and reserves its room on the disk ahead (where the file
// system allows), so that a disk that fills up later still takes the line that says so.
void reserveSaveLog(const DataDir& dir);
