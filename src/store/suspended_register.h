#pragma once
// Data/Kyuubu.001: one 1000-byte record per suspended team, in the order of suspension,
// at most 100; and the snapshots of both registers taken before a change-over.

#include "store/data_dir.h"
#include "store/league_model.h"

// suspendedCount from the file size (at most 100); creates an empty file when missing.
bool countSuspended(LeagueModel& m, const DataDir& dir);
// Record suspendedRecordNo into the suspended record buffer (callers unpack).
bool readSuspended(LeagueModel& m, const DataDir& dir);
// The suspended record buffer as record suspendedRecordNo.
bool writeSuspended(LeagueModel& m, const DataDir& dir);
// Appends the team whose details are loaded in teamCodec (fields 0..11, the name included).
bool appendSuspended(LeagueModel& m, const DataDir& dir);
// Drops record k (0-based), keeping the others in order.
bool removeSuspended(LeagueModel& m, const DataDir& dir, int k);

// Data/Kyuubu.old and Data/Info.old from the registers, just before a change-over.
bool snapshotRegisters(LeagueModel& m, const DataDir& dir);
// The registers back from the snapshots, before the newest term is deleted.
bool restoreRegisters(LeagueModel& m, const DataDir& dir);
