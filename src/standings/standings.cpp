#include "standings/standings.h"

#include "standings/ranking.h"
#include "store/results_file.h"

namespace {

// Ranks the rows that hold a team. They are ranked as if they stood first in the group, in
// their own order, so that a row left empty in the middle of a group takes no rank and no
// team loses its rank. Without such a gap this is simply the first N rows.
//
// Every team shown takes part in every step, the settled-team step included. The count of
// teams with a representative on record is not used for it: that count follows the contact
// details typed so far and is only taken at start-up, and a rank must depend on neither.
GroupRanks rankTeams(const ResultsTable& t, const TeamRows& teams) {
    std::array<int, kTeamsPerGroup> order{};  // position in the ranking -> row
    int n = 0;
    for (int row = 0; row < kTeamsPerGroup; ++row)
        if (teams[row]) order[n++] = row;
    int next = n;
    for (int row = 0; row < kTeamsPerGroup; ++row)
        if (!teams[row]) order[next++] = row;

    GroupResults moved{};
    for (int a = 0; a < kTeamsPerGroup; ++a)
        for (int b = 0; b < kTeamsPerGroup; ++b) moved[a][b] = t.results[order[a]][order[b]];
    GroupRanks ranked = rankGroup(moved, n, n);

    GroupRanks byRow{};
    for (int a = 0; a < kTeamsPerGroup; ++a) byRow[order[a]] = ranked[a];
    return byRow;
}

}  // namespace

void tallyStandings(ResultsTable& t) {
    for (int row = 0; row < kTeamsPerGroup; ++row) {
        TeamStanding s;
        for (int col = 0; col < kTeamsPerGroup; ++col) {
            if (col == row) continue;
            switch (t.results[row][col]) {
                case Win:
                    s.wins += 1;
                    s.points += 2;
                    break;
                case Loss:
                    s.losses += 1;
                    break;
                case Draw:
                    s.draws += 1;
                    s.points += 1;
                    break;
                default:
                    break;
            }
        }
        t.standings[row] = s;
        const int decided = s.wins + s.losses;
        t.winRate[row] = decided > 0 ? double(s.wins) / decided : 0.0;
    }
}

bool RecomputeStandings(LeagueModel& m, const DataDir& dir, const TeamRows& teams, bool keepManualRanks) {
    if (m.currentGroup < 1 || m.currentGroup > kGroups) return false;
    ResultsTable& t = m.table;
    tallyStandings(t);
    if (!keepManualRanks) {
        t.rankWork = rankTeams(t, teams);
        for (int row = 0; row < kTeamsPerGroup; ++row) t.standings[row].rank = t.rankWork[row];
    }
    return writeGroupResults(m, dir, keepManualRanks);
}
