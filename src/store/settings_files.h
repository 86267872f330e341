#pragma once
// The small settings files: the club name, the group letters, the team maxima per group
// and the change-over rules (Data/ChangePos.001).

#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"

inline constexpr int kChangePositionRecordLength = 8;

// userName from Data/UserName.001; the file is created with 40 blanks when missing.
bool loadUserName(LeagueModel& m, const DataDir& dir);
bool saveUserName(const LeagueModel& m, const DataDir& dir);

// The 40-byte group block from Data/League.001; created with 1000 blanks when missing.
bool loadGroups(LeagueModel& m, const DataDir& dir);
bool saveGroups(const LeagueModel& m, const DataDir& dir);

// teamMax per slot from Data/LeagueTeamMax.001, never below registeredTeams; a slot with
// no registered team gets 0. Created (1000 blanks) when missing. Run after countRegisteredTeams.
bool loadTeamMax(LeagueModel& m, const DataDir& dir);

// ChangePositionMap from the stored rules (a later rule for the same target wins).
bool loadChangePositions(LeagueModel& m, const DataDir& dir);
// Record i (1-based) into changePositionCodec's buffers.
bool readChangePosition(LeagueModel& m, const DataDir& dir, int i);
// Stores the rule target -> source: rewrites the record of that target or appends one.
bool writeChangeOverRule(LeagueModel& m, const DataDir& dir, int target, int source);
// Sorts the rule records in place by target (blanks count as '0'), bytes kept as they are.
bool sortChangePositions(const DataDir& dir);
