#pragma once
// Data/MyZip.001: the postal codes already used by teams, each with a short address,
// 40-byte records kept in ascending order of their code bytes.

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

// savedCodeCount from the file size; creates an empty file when missing.
bool countSavedCodes(LeagueModel& m, const DataDir& dir);

// Adds the code of every team record not listed yet, then sorts the list; the file is
// replaced as a whole, and only when something changed. Start-up only.
SaveResult mergeTeamRegisterCodes(LeagueModel& m, const DataDir& dir);
// The same from the register's bytes, already read.
SaveResult mergeTeamRegisterCodes(LeagueModel& m, const DataDir& dir, std::string_view registerBytes);

// The short address of a team: the city up to its first blank, then the street number up
// to its first blank, together at most 30 bytes, never ending inside a double-byte character.
std::string shortAddress(std::string_view city, std::string_view street);
