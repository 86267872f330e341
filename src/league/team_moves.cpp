#include "league/team_moves.h"

#include "store/team_register.h"

namespace {

bool exchangeRows(LeagueModel& m, const DataDir& dir, int row, int other) {
    if (row < 0 || row >= kTeamsPerGroup || other < 0 || other >= kTeamsPerGroup) return false;
    const int slot = m.currentGroup - 1;
    m.currentRecordNo = positionNumber(slot, row);
    m.selectedRow = row;
    return swapTeams(m, dir, positionNumber(slot, row), positionNumber(slot, other));
}

}  // namespace

bool moveTeamUp(LeagueModel& m, const DataDir& dir, int row) {
    return exchangeRows(m, dir, row, row - 1);
}

bool moveTeamDown(LeagueModel& m, const DataDir& dir, int row) {
    return exchangeRows(m, dir, row, row + 1);
}
