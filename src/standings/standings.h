#pragma once
// The standings of the shown group: wins, losses, draws, points, win rate and rank of every
// row, worked out from the result codes after each change and stored at once.

#include <array>

#include "store/data_dir.h"
#include "store/league_model.h"

// Which rows of the shown group hold a team (their stored name does not begin with a blank).
using TeamRows = std::array<bool, kTeamsPerGroup>;

// Counts, points and win rate of every row from m.table.results; every rank becomes 0.
void tallyStandings(ResultsTable& t);

// Tallies the shown group, ranks its teams unless the ranks are kept by hand, and writes the
// group's ten records into the shown term. False when the results file could not be written;
// the model holds the new values either way.
bool RecomputeStandings(LeagueModel& m, const DataDir& dir, const TeamRows& teams, bool keepManualRanks);
