#pragma once
// The four ranking rules of a group: ① win rate, ② results among the tied teams,
// ③ results against the teams whose rank is already settled, ④ the order within the group.

#include <array>

#include "store/league_model.h"

using GroupResults = std::array<std::array<int, kTeamsPerGroup>, kTeamsPerGroup>;
using GroupRanks = std::array<int, kTeamsPerGroup>;

// Ranks of rows 0..teamCount-1 of results (codes seen from the row team). Steps ① and ② look
// at those rows; step ③ only at rows 0..registeredCount-1 of them. Rows at or beyond
// teamCount have no team and keep rank 0, whatever registeredCount says. The result always
// gives rows 0..teamCount-1 the ranks 1..teamCount, each exactly once.
GroupRanks rankGroup(const GroupResults& results, int teamCount, int registeredCount);
