#pragma once
// The standings of a group: wins, losses, draws, points, win rate and rank of every row,
// worked out from the result codes after each change and stored at once.

#include <array>
#include <string>

#include "standings/ranking.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

// Which rows of the group hold a team.
using TeamRows = std::array<bool, kTeamsPerGroup>;

// The ranks the rows that hold a team would get, and why; rows without a team get none.
// tiedWith, settled and pairedWith name rows of the group.
ExplainedRanks explainRanks(const ResultsTable& t, const TeamRows& teams);

// Counts, points and win rate of every row from t.results; every rank becomes 0.
void tallyStandings(ResultsTable& t);

// The four stored characters of a win rate: "%4.3f" cut to 4, blank when no game was decided.
std::string encodeWinRate(double rate, bool played);

// Bytes 20..43 (20..41 while ranks are kept by hand) of each of the group's ten records, from the table.
std::array<std::string, kTeamsPerGroup> groupResultFields(const ResultsTable& t, bool keepStoredRanks);

// Bytes 20..43 (20..41 while ranks are kept by hand) of the group's ten records, from the table.
SaveResult writeGroupResults(const DataDir& dir, int termSlot, int groupSlot, const ResultsTable& t,
                             bool keepStoredRanks);

// Tallies the group's table and ranks its teams unless the ranks are kept by hand.
void computeStandings(ResultsTable& t, const TeamRows& teams, bool keepManualRanks);

// Tallies the group's table, ranks its teams unless the ranks are kept by hand, and writes the
// group's ten records into the term. The table holds the new values either way; the result
// says whether they reached the file.
SaveResult RecomputeStandings(ResultsTable& t, const DataDir& dir, int termSlot, int groupSlot, const TeamRows& teams,
                              bool keepManualRanks);

// The table of a group as stored: result codes of every row (a team's own cell and any byte
// that is not a result count as none), and the stored counts and ranks.
ResultsTable tableFromRecords(const std::array<std::string, kTeamsPerGroup>& records);
