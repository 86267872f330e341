#pragma once
// Moving a team of the shown group one row up or down, i.e. exchanging it with its
// neighbour in the results of the shown term and in the team register.

#include "store/data_dir.h"
#include "store/league_model.h"

// Row (0..9) of currentGroup becomes the current team and is exchanged with the row above
// (moveTeamUp, rows 1..9) or below (moveTeamDown, rows 0..8). False when the row cannot
// move that way or a file could not be opened; nothing changes then.
bool moveTeamUp(LeagueModel& m, const DataDir& dir, int row);
bool moveTeamDown(LeagueModel& m, const DataDir& dir, int row);
