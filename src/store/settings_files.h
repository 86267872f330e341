#pragma once
// The small settings files: the club name, the group letters, the team maxima per group
// and the change-over rules (Data/ChangePos.001).

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

// userName from Data/UserName.001; the file is created with 40 blanks when missing.
// False when it can be neither read nor created.
bool loadUserName(LeagueModel& m, const DataDir& dir);
SaveResult saveUserName(const LeagueModel& m, const DataDir& dir);

// The 40-byte group block from Data/League.001; created with 1000 blanks when missing.
bool loadGroups(LeagueModel& m, const DataDir& dir);
SaveResult saveGroups(const LeagueModel& m, const DataDir& dir);

// teamMax per slot from Data/LeagueTeamMax.001, never below registeredTeams; a slot with
// no registered team gets 0. Created (1000 blanks) when missing. Run after countRegisteredTeams.
bool loadTeamMax(LeagueModel& m, const DataDir& dir);

// ChangePositionMap from the stored rules: a rule (target, source) puts the draft team at
// position target into position source of the revised line-up (a later rule for the same
// revised position wins).
bool loadChangePositions(LeagueModel& m, const DataDir& dir);
// Record i (1-based), 8 bytes; blank when it cannot be read.
std::string readChangePosition(const DataDir& dir, int i);
// The 8-byte record of the rule target -> source: both as "%3d", a blank and a line feed.
std::string changePositionRecord(int target, int source);
// The rule record with a new source; the target's bytes stay as they were.
std::string changePositionWithSource(std::string_view record, int source);
// Stores the rule target -> source: rewrites the record of that target or appends one.
SaveResult writeChangeOverRule(const DataDir& dir, int target, int source);
// Sorts the rule records by target (blanks count as '0'), bytes kept as they are; the file
// is replaced as a whole.
SaveResult sortChangePositions(const DataDir& dir);
