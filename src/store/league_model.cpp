#include "store/league_model.h"

LeagueModel::LeagueModel() : groupBlock(kGroupBlockWidth, ' '), userName(kUserNameWidth, ' ') {
    resetPositionMaps(*this);
}

void resetPositionMaps(LeagueModel& m) {
    for (int i = 0; i < kChangePositions; ++i) {
        m.ChangePositionMap[i] = i + 1;
        m.BasePositionMap[i] = i + 1;
    }
}
