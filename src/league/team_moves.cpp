#include "league/team_moves.h"

#include "store/team_register.h"

bool canMove(int row, MoveDirection d) {
    return d == MoveDirection::Up ? row >= 1 && row < kTeamsPerGroup : row >= 0 && row < kTeamsPerGroup - 1;
}

SaveResult moveTeam(LeagueModel& m, const DataDir& dir, int termSlot, int groupSlot, int row, MoveDirection d) {
    if (!canMove(row, d)) return SaveResult::saved();
    const int other = d == MoveDirection::Up ? row - 1 : row + 1;
    SaveResult saved = swapTeams(m, dir, termSlot, positionNumber(groupSlot, row), positionNumber(groupSlot, other));
    const int at = saved ? other : row;
    m.currentRecordNo = positionNumber(groupSlot, at);
    m.selectedRow = at;
    return saved;
}
