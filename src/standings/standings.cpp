#include "standings/standings.h"

#include <cstdio>

#include "standings/result_codes.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/text_ops.h"

// Ranks the rows that hold a team. They are ranked as if they stood first in the group, in
// their own order, so that a row left empty in the middle of a group takes no rank and no
// team loses its rank. Without such a gap this is simply the first N rows.
//
// Every team shown takes part in every step, the settled-team step included. The count of
// teams with a representative on record is not used for it: that count follows the contact
// details typed so far and is only taken at start-up, and a rank must depend on neither.
ExplainedRanks explainRanks(const ResultsTable& t, const TeamRows& teams) {
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
    const ExplainedRanks ranked = rankGroupExplained(moved, n, n);

    ExplainedRanks byRow;
    auto row = [&](int position) { return position < 0 ? position : order[position]; };
    for (int a = 0; a < kTeamsPerGroup; ++a) {
        byRow.ranks[order[a]] = ranked.ranks[a];
        RankReason why = ranked.reasons[a];
        for (int& other : why.tiedWith) other = row(other);
        why.settled = row(why.settled);
        why.pairedWith = row(why.pairedWith);
        byRow.reasons[order[a]] = std::move(why);
    }
    return byRow;
}

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

std::string encodeWinRate(double rate, bool played) {
    const std::size_t width = std::size_t(layouts::width(layouts::Result, result_field::WinRate));
    if (!played) return fillSpaces(width);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%4.3f", rate);
    return padField(std::string(buf).substr(0, width), false, width);
}

std::array<std::string, kTeamsPerGroup> groupResultFields(const ResultsTable& t, bool keepStoredRanks) {
    std::array<std::string, kTeamsPerGroup> rows;
    for (int row = 0; row < kTeamsPerGroup; ++row) {
        std::string& bytes = rows[row];
        for (int col = 0; col < kTeamsPerGroup; ++col) bytes += encodeResultByte(t.results[row][col]);
        const TeamStanding& st = t.standings[row];
        auto count = [&](int field, int value) {
            bytes += formatCount(value, std::size_t(layouts::width(layouts::Result, field)));
        };
        count(result_field::Wins, st.wins);
        count(result_field::Losses, st.losses);
        count(result_field::Draws, st.draws);
        count(result_field::Points, st.points);
        bytes += encodeWinRate(t.winRate[row], st.wins + st.losses + st.draws > 0);
        if (!keepStoredRanks) count(result_field::Rank, st.rank);
    }
    return rows;
}

SaveResult writeGroupResults(const DataDir& dir, int termSlot, int groupSlot, const ResultsTable& t,
                             bool keepStoredRanks) {
    return writeGroupFields(dir, termSlot, groupSlot, layouts::offset(layouts::Result, result_field::FirstResult),
                            groupResultFields(t, keepStoredRanks));
}

void computeStandings(ResultsTable& t, const TeamRows& teams, bool keepManualRanks) {
    tallyStandings(t);
    if (keepManualRanks) return;
    t.rankWork = explainRanks(t, teams).ranks;
    for (int row = 0; row < kTeamsPerGroup; ++row) t.standings[row].rank = t.rankWork[row];
}

SaveResult RecomputeStandings(ResultsTable& t, const DataDir& dir, int termSlot, int groupSlot, const TeamRows& teams,
                              bool keepManualRanks) {
    computeStandings(t, teams, keepManualRanks);
    return writeGroupResults(dir, termSlot, groupSlot, t, keepManualRanks);
}

ResultsTable tableFromRecords(const std::array<std::string, kTeamsPerGroup>& records) {
    ResultsTable t;
    const int first = layouts::offset(layouts::Result, result_field::FirstResult);
    auto number = [](const std::string& rec, int field) {
        return int(parseLong(std::string_view(rec).substr(layouts::offset(layouts::Result, field),
                                                          layouts::width(layouts::Result, field))));
    };
    for (int row = 0; row < kTeamsPerGroup; ++row) {
        const std::string& rec = records[row];
        for (int col = 0; col < kTeamsPerGroup; ++col)
            t.results[row][col] = col == row ? NoResult : decodeResultByte(rec[first + col]);
        TeamStanding& st = t.standings[row];
        st.wins = number(rec, result_field::Wins);
        st.losses = number(rec, result_field::Losses);
        st.draws = number(rec, result_field::Draws);
        st.points = number(rec, result_field::Points);
        st.rank = number(rec, result_field::Rank);
        const int decided = st.wins + st.losses;
        t.winRate[row] = decided > 0 ? double(st.wins) / decided : 0.0;
    }
    return t;
}
