#include "print/csv_export.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "print/csv_reports.h"
#include "print/standings_sheet_source.h"
#include "print/team_list_source.h"
#include "store/file_io.h"

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
    std::error_code ec;
    const std::filesystem::path folder = dir.path(kExportFolder);
    std::filesystem::create_directory(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        out.kind = CsvExport::NoFolder;
        return out;
    }
    const std::pair<std::string, std::string> files[] = {
        {std::string(kExportFolder) + "/" + csvFileName(Report::StandingsSheet, sheet->term), standingsCsv(*sheet)},
        {std::string(kExportFolder) + "/" + csvFileName(Report::TeamList, list->term), teamListCsv(*list)},
    };
    for (const auto& [relative, bytes] : files) {
        if (fileio::mayWrite(dir.path(relative)) && fileio::writeTemporary(dir.path(relative), bytes)) continue;
        for (const auto& f : files) fileio::discardTemporary(dir.path(f.first));
        out.failed = relative;
        return out;
    }
    for (const auto& [relative, bytes] : files) {
        if (!fileio::commitTemporary(dir.path(relative))) {
            for (const auto& f : files) fileio::discardTemporary(dir.path(f.first));
            out.failed = relative;
            return out;
        }
        out.written.push_back(relative);
    }
    fileio::syncFolder(folder.string());
    out.kind = CsvExport::Written;
    return out;
}
