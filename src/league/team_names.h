#pragma once
// The names of the teams of the shown group, as the team list reads and writes them.

#include <array>
#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"

inline constexpr int kTeamNameWidth = 20;

// The 20 bytes a typed name is stored as: blank-padded, cut before a character that
// would not fit whole.
std::string teamNameField(std::string_view sjisText);

// Writes the 20-byte name into row (0..9) of currentGroup in the shown term, makes that row
// the current team and recounts termTeamCount. When the results file cannot be written the
// total is 0, as nothing of the term can be read either.
bool storeTeamName(LeagueModel& m, const DataDir& dir, int row, std::string_view nameField);

// Makes row (0..9) of currentGroup the current team: its result record is read and
// detailRecordNo becomes the team register record carrying its name (0 for an empty row,
// so that no details are written into another team's record).
void selectTeam(LeagueModel& m, const DataDir& dir, int row);

// Gives every shown team a team register record (findOrAllocateTeam), in row order.
void registerShownTeams(LeagueModel& m, const DataDir& dir, const std::array<std::string, kTeamsPerGroup>& names);
