#pragma once
// Data/Info.001: 200 team records of 1000 bytes holding each team's details, found by name.

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/record_layout.h"
#include "store/save_result.h"

// 200 empty records (999 blanks and a line feed each), for a first start.
SaveResult createTeamRegister(const DataDir& dir);

// The whole register as 200 records; what is missing reads as empty records. *readable
// tells whether the file could be read at all.
std::string readRegisterImage(const DataDir& dir, bool* readable = nullptr);

// Record recordNo (1..200); empty when it cannot be read.
std::string readTeam(const DataDir& dir, int recordNo, bool* readable = nullptr);
// The whole 1000-byte record recordNo.
SaveResult writeTeam(LeagueModel& m, const DataDir& dir, int recordNo, std::string_view record);
// Detail field k (0..10) of record recordNo, written in place with exactly its width.
// The remarks (field 10) take the memo text with CR LF line breaks; an empty memo or one
// that begins with a line break is stored as blanks. The name index stays in step.
SaveResult writeTeamField(LeagueModel& m, const DataDir& dir, int recordNo, int k, std::string_view text);

// registeredTeams per group slot: records whose representative's name is filled.
bool countRegisteredTeams(LeagueModel& m, const DataDir& dir);
// The same from the register's bytes as read (a short file counts as empty records after its end).
void countRegisteredTeams(LeagueModel& m, std::string_view registerBytes);
// First record whose 20-byte team-name field equals name; 0 when none.
int findTeamByName(LeagueModel& m, const DataDir& dir, std::string_view name);

struct TeamAllocation {
    int recordNo = 0;  // 0: neither found nor placed
    SaveResult saved = SaveResult::saved();
};
// The record carrying name, or else the first free record, which then receives the name.
TeamAllocation findOrAllocateTeam(LeagueModel& m, const DataDir& dir, std::string_view name);

// Exchanges the teams at positions a and b of term slot termSlot: their records in the team
// register and in that term of the results file, as one save. When a and b are rows of one
// group, the two rows' result bytes are exchanged in every record of that group as well, so
// that no result ends up against the wrong team.
SaveResult swapTeams(LeagueModel& m, const DataDir& dir, int termSlot, int a, int b);
