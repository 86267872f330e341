#include "standings/ranking.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kMaxRank = kTeamsPerGroup;

// Wins over decided games, kept as a fraction so that 1/2 and 2/4 compare equal.
struct Rate {
    int wins = 0;
    int games = 1;
};

bool higher(const Rate& a, const Rate& b) {
    return a.wins * b.games > b.wins * a.games;
}

class Ranking {
public:
    Ranking(const GroupResults& results, int teamCount, int registeredCount)
        : r_(results), n_(std::clamp(teamCount, 0, kTeamsPerGroup)), m_(std::clamp(registeredCount, 0, n_)) {}

    ExplainedRanks run() {
        byRate();
        byMutualResults();
        bySettledTeams();
        byGroupOrder();
        return {rank_, why_};
    }

private:
    bool beat(int a, int b) const { return r_[a][b] == Win; }
    // a won and b lost the game between them; any other pair of codes decides nothing.
    bool wonAgainst(int a, int b) const { return r_[a][b] == Win && r_[b][a] == Loss; }

    std::vector<int> withRank(int rank, int rows) const {
        std::vector<int> g;
        for (int i = 0; i < rows; ++i)
            if (rank_[i] == rank) g.push_back(i);
        return g;
    }

    // A step has placed team t when no other team shares its rank afterwards. A team left
    // tied loses whatever reason an earlier step gave it.
    bool alone(int t) const {
        for (int i = 0; i < n_; ++i)
            if (i != t && rank_[i] == rank_[t]) return false;
        return true;
    }
    void explain(int t, RankReason why, int tiedAt, const std::vector<int>& tie) {
        if (!alone(t)) {
            why_[t] = RankReason{};
            return;
        }
        why.tiedAt = tiedAt;
        for (int other : tie)
            if (other != t) why.tiedWith.push_back(other);
        why_[t] = std::move(why);
    }
    RankReason pairReason(RankStep step, int t, int other, int settled = -1, bool beatSettled = false) const {
        RankReason why;
        why.step = step;
        why.settled = settled;
        why.beatSettled = beatSettled;
        why.pairedWith = other;
        // Head to head, the one of two with more points against the other went first.
        why.wonPair = other >= 0 && (step == RankStep::HeadToHead ? rank_[t] < rank_[other] : wonAgainst(t, other));
        return why;
    }

    // ① Competition ranking by rate: equal rates share a rank, the next rank skips.
    void byRate() {
        std::array<Rate, kTeamsPerGroup> rate{};
        for (int i = 0; i < n_; ++i) {
            int wins = 0, losses = 0;
            for (int j = 0; j < kTeamsPerGroup; ++j) {
                if (j == i) continue;
                if (r_[i][j] == Win) ++wins;
                if (r_[i][j] == Loss) ++losses;
            }
            if (wins + losses > 0) rate[i] = Rate{wins, wins + losses};
        }
        for (int i = 0; i < n_; ++i) {
            rank_[i] = 1;
            for (int j = 0; j < n_; ++j)
                if (higher(rate[j], rate[i])) ++rank_[i];
        }
        for (int i = 0; i < n_; ++i)
            if (alone(i)) why_[i].step = RankStep::Rate;
    }

    // ② Teams sharing a rank are ranked among themselves by their points against each other.
    // A sub-group still tied at a lower rank is looked at again when the loop gets there.
    void byMutualResults() {
        for (int rank = 1; rank <= kMaxRank; ++rank) {
            std::vector<int> g = withRank(rank, n_);
            if (g.size() < 2) continue;
            std::vector<int> points(g.size(), 0);
            for (std::size_t a = 0; a < g.size(); ++a)
                for (int b : g) {
                    if (b == g[a]) continue;
                    if (r_[g[a]][b] == Win) points[a] += 2;
                    if (r_[g[a]][b] == Draw) points[a] += 1;
                }
            for (std::size_t a = 0; a < g.size(); ++a) {
                int above = 0;
                for (int p : points)
                    if (p > points[a]) ++above;
                rank_[g[a]] = rank + above;
            }
            for (int t : g) {
                const int other = g.size() == 2 ? g[g[0] == t ? 1 : 0] : -1;
                explain(t, pairReason(RankStep::HeadToHead, t, other), rank, g);
            }
        }
    }

    int tieGroupCount() const {
        int count = 0;
        for (int rank = 1; rank <= kMaxRank; ++rank)
            if (withRank(rank, m_).size() >= 2) ++count;
        return count;
    }

    // Teams of rows 0..m-1 whose rank no other of those rows shares, best first.
    std::vector<int> settledTeams() const {
        std::vector<int> s;
        for (int rank = 1; rank <= kMaxRank; ++rank) {
            std::vector<int> g = withRank(rank, m_);
            if (g.size() == 1) s.push_back(g[0]);
        }
        return s;
    }

    // ③ A tie is broken by the wins against the settled teams, the best settled team first.
    void bySettledTeams() {
        for (int pass = 0; pass < tieGroupCount(); ++pass) {
            for (int rank = 1; rank <= kMaxRank; ++rank) {
                std::vector<int> g = withRank(rank, m_);
                if (g.size() < 2) continue;
                for (int settled : settledTeams())
                    if (decideBy(settled, g, rank)) break;
            }
        }
    }

    bool decideBy(int settled, const std::vector<int>& g, int rank) {
        std::vector<int> winners, rest;
        for (int t : g) (beat(t, settled) ? winners : rest).push_back(t);
        if (winners.size() == 1) {
            rank_[winners[0]] = rank;
            const bool pair = rest.size() == 2 && (wonAgainst(rest[0], rest[1]) || wonAgainst(rest[1], rest[0]));
            if (pair) {
                bool firstWon = wonAgainst(rest[0], rest[1]);
                rank_[rest[firstWon ? 0 : 1]] = rank + 1;
                rank_[rest[firstWon ? 1 : 0]] = rank + 2;
            } else {
                for (int t : rest) rank_[t] = rank + 1;
            }
            explainSettled(settled, g, rank, winners, rest, pair);
            return true;
        }
        if (winners.size() == 2 && (wonAgainst(winners[0], winners[1]) || wonAgainst(winners[1], winners[0]))) {
            bool firstWon = wonAgainst(winners[0], winners[1]);
            rank_[winners[firstWon ? 0 : 1]] = rank;
            rank_[winners[firstWon ? 1 : 0]] = rank + 1;
            for (int t : rest) rank_[t] = rank + 2;
            explainSettled(settled, g, rank, winners, rest, false);
            return true;
        }
        return false;
    }

    // Once the tie at rank has been split by the settled team: a pair split by its own game
    // names the other team of the pair.
    void explainSettled(int settled, const std::vector<int>& g, int rank, const std::vector<int>& winners,
                        const std::vector<int>& rest, bool restIsPair) {
        for (const std::vector<int>* side : {&winners, &rest}) {
            const bool beatIt = side == &winners;
            const bool pair = beatIt ? winners.size() == 2 : restIsPair;
            for (int t : *side) {
                const int other = pair ? (*side)[(*side)[0] == t ? 1 : 0] : -1;
                explain(t, pairReason(RankStep::SettledTeam, t, other, settled, beatIt), rank, g);
            }
        }
    }

    // ④ Whatever is still tied goes by the order within the group, the higher row first.
    void byGroupOrder() {
        for (int rank = 1; rank <= kMaxRank; ++rank) {
            const std::vector<int> g = withRank(rank, n_);
            int next = rank;
            for (int t : g) rank_[t] = next++;
            if (g.size() < 2) continue;
            for (int t : g) {
                RankReason why;
                why.step = RankStep::GroupOrder;
                why.tiedAt = rank;
                for (int other : g)
                    if (other != t) why.tiedWith.push_back(other);
                why_[t] = std::move(why);
            }
        }
    }

    const GroupResults& r_;
    int n_;
    int m_;
    GroupRanks rank_{};
    GroupReasons why_{};
};

}  // namespace

GroupRanks rankGroup(const GroupResults& results, int teamCount, int registeredCount) {
    return Ranking(results, teamCount, registeredCount).run().ranks;
}

ExplainedRanks rankGroupExplained(const GroupResults& results, int teamCount, int registeredCount) {
    return Ranking(results, teamCount, registeredCount).run();
}
