#pragma once
// Both CSV files of the term being shown, written into the working folder's Export/ folder,
// both or neither (see export_files.h).

#include "print/export_files.h"
#include "store/data_dir.h"
#include "store/league_model.h"

using CsvExport = ExportOutcome;

// The standings first, then the team list.
CsvExport exportCsv(const LeagueModel& m, const DataDir& dir);
