#include "print/web_page_export.h"

#include <algorithm>
#include <optional>

#include "print/standings_sheet_source.h"
#include "print/web_page.h"
#include "store/calendar.h"

WebPageExport exportWebPage(const LeagueModel& m, const DataDir& dir) {
    WebPageExport out;
    const std::optional<StandingsSheetData> sheet = gatherStandingsSheet(m, dir);
    if (!sheet) {
        out.kind = WebPageExport::Unreadable;
        return out;
    }
    const bool anyTeam = std::any_of(sheet->groups.begin(), sheet->groups.end(), [](const PrintedGroup& g) {
        return std::any_of(g.rows.begin(), g.rows.end(), [](const ResultLine& r) { return holdsTeam(r.name); });
    });
    if (!anyTeam) {
        out.kind = WebPageExport::NothingToExport;
        return out;
    }
    const LocalDateTime now = currentDateTime();
    return writeExportFiles(dir,
                            {{webPageFileName(sheet->term), standingsWebPage(*sheet, {now.year, now.month, now.day})}});
}
