#pragma once
// Data/Info.001: 200 team records of 1000 bytes holding each team's details, found by name.

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"

inline constexpr int kTeamRecordLength = 1000;

// 200 empty records (999 blanks and a line feed each), for a first start.
bool createTeamRegister(const DataDir& dir);

// Record detailRecordNo into teamCodec's fields (blank when it cannot be read).
bool readTeam(LeagueModel& m, const DataDir& dir);
// teamCodec's fields, packed, as record detailRecordNo.
bool writeTeam(LeagueModel& m, const DataDir& dir);
// Detail field k (0..10) of record detailRecordNo, written in place with exactly its width.
// The remarks (field 10) take the memo text with CR LF line breaks; an empty memo or one
// that begins with a line break is stored as blanks.
bool writeTeamField(LeagueModel& m, const DataDir& dir, int k, std::string_view text);

// registeredTeams per group slot: records whose representative's name is filled.
bool countRegisteredTeams(LeagueModel& m, const DataDir& dir);
// First record whose 20-byte team-name field equals name; 0 when none.
int findTeamByName(LeagueModel& m, const DataDir& dir, std::string_view name);
// The record carrying name, or else the first free record, which then receives the name.
int findOrAllocateTeam(LeagueModel& m, const DataDir& dir, std::string_view name);

// Exchange records a and b, or move record from to record to (leaving from blank), in the
// team register together with the same records of the shown term of the results file.
// When a and b are rows of one group, swapTeams also exchanges the two rows' result bytes
// in every record of that group, so that no result ends up against the wrong team. It
// changes nothing unless both files can be opened.
bool swapTeams(const LeagueModel& m, const DataDir& dir, int a, int b);
bool moveTeam(const LeagueModel& m, const DataDir& dir, int fromNo, int toNo);
