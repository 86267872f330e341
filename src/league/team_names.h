#pragma once
// The names of the teams of a group, as the team list reads and writes them.

#include <array>
#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

// The 20 bytes a typed name is stored as: without leading and trailing blanks (a name that
// began with a blank would drop out of the counts and the ranking), blank-padded, cut before
// a character that would not fit whole.
std::string teamNameField(std::string_view sjisText);

// Writes the 20-byte name into row (0..9) of group slot groupSlot in term slot termSlot and
// makes that row the current team. termTeamCount follows when it is the term being shown.
SaveResult storeTeamName(LeagueModel& m, const DataDir& dir, int termSlot, int groupSlot, int row,
                         std::string_view nameField);

// Makes row (0..9) of group slot groupSlot in the shown term the current team: detailRecordNo
// becomes the team register record carrying its name (0 for an empty row, so that no details
// are written into another team's record). Allocating that record may write the register.
SaveResult selectTeam(LeagueModel& m, const DataDir& dir, int groupSlot, int row);

// Gives every shown team a team register record (findOrAllocateTeam), in row order.
SaveResult registerShownTeams(LeagueModel& m, const DataDir& dir, const std::array<std::string, kTeamsPerGroup>& names);
