#pragma once
// Back to the newest stored term: what a start shows, and what every operation that replaces
// the stored terms (a change-over, a term deletion, a restore) shows afterwards.

#include "store/data_dir.h"
#include "store/league_model.h"

// The term slots read again and slot 0 shown, with its teams counted. The shown group and
// team stay as they were. False when the results file could not be read.
bool showNewestTerm(LeagueModel& m, const DataDir& dir);

// The newest term shown from the first team of group 1: the selection, the details and the
// selected row start there, as after a start. False when the results file could not be read.
bool resetToNewestTerm(LeagueModel& m, const DataDir& dir);
