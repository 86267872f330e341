#include "store/newest_term.h"

#include "store/results_file.h"

bool showNewestTerm(LeagueModel& m, const DataDir& dir) {
    readTermSlots(m, dir);
    m.termSlotIndex = 0;
    return countTermTeams(m, dir);
}

bool resetToNewestTerm(LeagueModel& m, const DataDir& dir) {
    const bool read = showNewestTerm(m, dir);
    m.currentGroup = 1;
    m.currentRecordNo = 1;
    m.detailRecordNo = 1;
    m.selectedRow = 0;
    return read;
}
