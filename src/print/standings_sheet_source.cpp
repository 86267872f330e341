#include "print/standings_sheet_source.h"

#include "print/shown_term.h"

std::optional<StandingsSheetData> gatherStandingsSheet(const LeagueModel& m, const DataDir& dir) {
    const std::optional<ShownTerm> shown = readShownTerm(m, dir);
    if (!shown) return std::nullopt;
    StandingsSheetData data;
    data.term = shown->term;
    data.clubName = m.userName;
    for (const CountedGroup& g : countedGroups(m)) {
        PrintedGroup& group = data.groups.emplace_back();
        group.classLetter = g.classLetter;
        group.divisionLetter = g.divisionLetter;
        for (int row = 0; row < kTeamsPerGroup; ++row) group.rows[row] = shown->line(g.slot, row);
    }
    return data;
}
