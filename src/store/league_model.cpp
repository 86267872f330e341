#include "store/league_model.h"

LeagueModel::LeagueModel()
    : groupBlock(kGroupBlockWidth, ' '),
      userName(kUserNameWidth, ' '),
      teamCodec(layouts::get(layouts::Team)),
      suspendedCodec(layouts::get(layouts::Suspended)),
      resultCodec(layouts::get(layouts::Result)),
      changePositionCodec(layouts::get(layouts::ChangePosition)),
      savedCodeCodec(layouts::get(layouts::SavedPostalCode)),
      postalLineCodec(layouts::get(layouts::PostalLine)) {
    for (int i = 0; i < kChangePositions; ++i) {
        ChangePositionMap[i] = i + 1;
        BasePositionMap[i] = i + 1;
    }
}
