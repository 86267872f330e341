#pragma once
// The four ranking rules of a group: ① win rate, ② results among the tied teams,
// ③ results against the teams whose rank is already settled, ④ the order within the group.

#include <array>
#include <vector>

#include "store/league_model.h"

using GroupResults = std::array<std::array<int, kTeamsPerGroup>, kTeamsPerGroup>;
using GroupRanks = std::array<int, kTeamsPerGroup>;

// Ranks of rows 0..teamCount-1 of results (codes seen from the row team). Steps ① and ② look
// at those rows; step ③ only at rows 0..registeredCount-1 of them. Rows at or beyond
// teamCount have no team and keep rank 0, whatever registeredCount says. The result always
// gives rows 0..teamCount-1 the ranks 1..teamCount, each exactly once.
GroupRanks rankGroup(const GroupResults& results, int teamCount, int registeredCount);

// The rule that gave a team its place: the step after which no other team shared its rank.
enum class RankStep { None, Rate, HeadToHead, SettledTeam, GroupOrder };

// Why a team holds its rank. Teams are rows of the results.
struct RankReason {
    RankStep step = RankStep::None;  // None only for rows without a team
    int tiedAt = 0;                  // the rank shared before the step split the tie (not for Rate)
    std::vector<int> tiedWith;       // the other teams of that tie, in row order
    int settled = -1;                // SettledTeam: the settled team whose results decided
    bool beatSettled = false;        // SettledTeam: this team won against it
    int pairedWith = -1;             // the one tied team whose game with this one decided, if any
    bool wonPair = false;            // ... and this team won that game
};
using GroupReasons = std::array<RankReason, kTeamsPerGroup>;

struct ExplainedRanks {
    GroupRanks ranks{};
    GroupReasons reasons{};
};

// The ranks of rankGroup, and for every team the step that placed it.
ExplainedRanks rankGroupExplained(const GroupResults& results, int teamCount, int registeredCount);
