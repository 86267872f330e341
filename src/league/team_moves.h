#pragma once
// Moving a team of a group one row up or down, i.e. exchanging it with its neighbour in the
// results of the term and in the team register.

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class MoveDirection { Up, Down };

// Exchanges row (0..9) of group slot groupSlot in term slot termSlot with the row above or
// below. Afterwards the moved team is the current team at its new row. A row that cannot
// move that way changes nothing; a save that fails changes nothing either.
SaveResult moveTeam(LeagueModel& m, const DataDir& dir, int termSlot, int groupSlot, int row, MoveDirection d);

// Whether the row can move that way at all.
bool canMove(int row, MoveDirection d);
