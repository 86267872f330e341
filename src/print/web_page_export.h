#pragma once
// The web page of the shown term's standings, Export/勝敗表_<term>.html, dated today.

#include "print/export_files.h"
#include "store/data_dir.h"
#include "store/league_model.h"

using WebPageExport = ExportOutcome;

// Written (written[0] is "Export/勝敗表_2026前期.html"), NothingToExport when no group of the
// shown term has a team, or the reason nothing was written.
WebPageExport exportWebPage(const LeagueModel& m, const DataDir& dir);
