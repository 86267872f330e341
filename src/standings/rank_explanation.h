#pragma once
// Why a team of the shown group holds its rank, in two help lines such as
// "勝率 .667 で単独2位" or "同率のまま：確定チーム ホークスに勝ったため4位".

#include <array>
#include <string>

#include "store/league_model.h"

struct RankExplanation {
    std::string line1;  // UTF-8
    std::string line2;
    bool empty() const { return line1.empty() && line2.empty(); }
};

// The explanation for row (0..9) of the group in t. names are the rows' 20-byte Shift-JIS
// name fields; shownRank is the rank the table shows for the row (0 for none); keptByHand
// tells that ranks are not being computed. Empty for a row without a team.
//
// The reason is worked out from the results as they stand. A shown rank that is not the
// one the results give (typed by hand earlier, or never computed) is said to be so.
RankExplanation explainShownRank(const ResultsTable& t, const std::array<std::string, kTeamsPerGroup>& names, int row,
                                 int shownRank, bool keptByHand);

// A win rate as the explanations write it: ".667", "1.000", ".000" without a decided game.
std::string rateText(int wins, int losses);
