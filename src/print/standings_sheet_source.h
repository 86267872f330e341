#pragma once
// Gathers what the standings sheet prints for the term being shown.

#include <optional>

#include "print/report_data.h"
#include "store/data_dir.h"
#include "store/league_model.h"

// Nothing when the results file cannot be read: then no sheet is printed at all.
std::optional<StandingsSheetData> gatherStandingsSheet(const LeagueModel& m, const DataDir& dir);
