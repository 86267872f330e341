#include "print/csv_export.h"

#include <optional>

#include "print/csv_reports.h"
#include "print/standings_sheet_source.h"
#include "print/team_list_source.h"

CsvExport exportCsv(const LeagueModel& m, const DataDir& dir) {
    CsvExport out;
    const std::optional<StandingsSheetData> sheet = gatherStandingsSheet(m, dir);
    const std::optional<TeamListData> list = gatherTeamList(m, dir, ListDate{});
    if (!sheet || !list) {
        out.kind = CsvExport::Unreadable;
        return out;
    }
    if (list->rows.empty()) {
        out.kind = CsvExport::NothingToExport;
        return out;
    }
    return writeExportFiles(dir, {{csvFileName(Report::StandingsSheet, sheet->term), standingsCsv(*sheet)},
                                  {csvFileName(Report::TeamList, list->term), teamListCsv(*list)}});
}
