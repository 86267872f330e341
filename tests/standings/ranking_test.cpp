// The four ranking rules: the worked examples, each rule on its own, and a property check
// over many random groups.

#include "standings/ranking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "standings/group_results.h"

namespace {

TEST(Ranking, TheTwoWorkedExamples) {
    // T4, T5, T3, T1, T2, T6
    EXPECT_EQ(firstExample().rank(6), ranks({4, 5, 3, 1, 2, 6}));
    // U1, U5, U4, U2, U3
    EXPECT_EQ(secondExample().rank(5), ranks({1, 4, 5, 3, 2}));
}

TEST(Ranking, EachRuleOnItsOwn) {
    // A circle of three with nothing else to separate them ends in group order.
    EXPECT_EQ(Group{}.beat(1, 2).beat(2, 3).beat(3, 1).rank(3), ranks({1, 2, 3}));

    // Equal rates, and the lower team of each pair beat the higher one: head-to-head decides.
    Group h2h = Group{}.beat(1, 3).beat(1, 4).beat(2, 1).beat(2, 4).beat(3, 2).beat(4, 3);
    EXPECT_EQ(h2h.rank(4), ranks({2, 1, 4, 3}));

    // Team 2 has only a draw (rate 0, one point) and shares step ① with winless team 1. Its draw
    // against the settled team 3 does not count in step ③, so group order puts team 1 first.
    EXPECT_EQ(Group{}.beat(3, 1).draw(2, 3).rank(3), ranks({2, 3, 1}));
    // Teams 1 and 2 tie at 1/2 without a mutual game; of the two, only team 2 beat the settled
    // team 3 (team 1 drew it), so team 2 goes first. Were the draw counted, neither would.
    Group settled = Group{}.draw(1, 3).beat(1, 5).beat(4, 1).beat(2, 3).beat(4, 2).beat(3, 4).beat(3, 5).beat(3, 6);
    EXPECT_EQ(settled.rank(6), ranks({4, 3, 1, 2, 5, 6}));

    // Without teams there is nothing to rank, whatever results the rows carry.
    EXPECT_EQ(firstExample().rank(0), GroupRanks{});
}

TEST(Ranking, RegisterAndShownTeamsDisagreeing) {
    // Only T1..T3 are registered: with no settled team among them, step ③ cannot act and
    // the circle falls to group order; the others keep their places.
    EXPECT_EQ(firstExample().rank(6, 3), ranks({3, 4, 5, 1, 2, 6}));
    // More registered than shown: rows without a team take no part and get no rank.
    EXPECT_EQ(firstExample().rank(6, 10), firstExample().rank(6, 6));
    Group withEmptyRows = firstExample().beat(7, 1).beat(8, 2);
    EXPECT_EQ(withEmptyRows.rank(6, 10)[6], 0);
    EXPECT_EQ(withEmptyRows.rank(6, 10)[7], 0);
}

// What must hold of any ranking: every team one rank of 1..n, rows without a team none, and
// a higher rate always ranked higher.
void expectSoundRanks(const GroupResults& r, int n, const GroupRanks& got, int round) {
    std::vector<int> seen(n + 1, 0);
    for (int i = 0; i < kTeamsPerGroup; ++i) {
        if (i >= n) {
            ASSERT_EQ(got[i], 0) << "round " << round;
            continue;
        }
        ASSERT_GE(got[i], 1) << "round " << round;
        ASSERT_LE(got[i], n) << "round " << round;
        ASSERT_EQ(seen[got[i]]++, 0) << "rank given twice, round " << round;
    }
    auto wins = [&](int i, int code) { return int(std::count(r[i].begin(), r[i].end(), code)); };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const long hi = long(wins(i, Win)) * std::max(1, wins(j, Win) + wins(j, Loss));
            const long lo = long(wins(j, Win)) * std::max(1, wins(i, Win) + wins(i, Loss));
            if (hi > lo) {
                ASSERT_LT(got[i], got[j]) << "higher rate ranked lower, round " << round;
            }
        }
}

// What must hold of the reasons when every team shown is registered, as in the program: a
// team alone on its rate is placed by it and only such a team is; the teams a reason names
// shared that rate; a named game went the way the ranks went; group order follows the rows.
void expectSoundReasons(const GroupResults& r, int n, const ExplainedRanks& e, int round) {
    auto rateOf = [&](int i) {
        const int w = int(std::count(r[i].begin(), r[i].end(), Win));
        const int l = int(std::count(r[i].begin(), r[i].end(), Loss));
        return std::pair<int, int>{w, std::max(1, w + l)};
    };
    auto sameRate = [&](int a, int b) {
        return long(rateOf(a).first) * rateOf(b).second == long(rateOf(b).first) * rateOf(a).second;
    };
    for (int t = 0; t < kTeamsPerGroup; ++t) {
        const RankReason& why = e.reasons[t];
        SCOPED_TRACE(::testing::Message() << "round " << round << ", team " << t);
        if (t >= n) {
            ASSERT_EQ(why.step, RankStep::None);
            continue;
        }
        ASSERT_NE(why.step, RankStep::None);
        bool aloneOnRate = true;
        for (int o = 0; o < n; ++o)
            if (o != t && sameRate(o, t)) aloneOnRate = false;
        ASSERT_EQ(why.step == RankStep::Rate, aloneOnRate);
        if (why.step == RankStep::Rate) continue;
        ASSERT_FALSE(why.tiedWith.empty());
        ASSERT_LE(why.tiedAt, e.ranks[t]);
        for (int o : why.tiedWith) {
            ASSERT_TRUE(o >= 0 && o < n && o != t);
            ASSERT_TRUE(sameRate(o, t));
        }
        if (why.pairedWith >= 0) {
            ASSERT_NE(std::find(why.tiedWith.begin(), why.tiedWith.end(), why.pairedWith), why.tiedWith.end());
            ASSERT_EQ(why.wonPair, e.ranks[t] < e.ranks[why.pairedWith]);
        }
        if (why.step == RankStep::SettledTeam) {
            ASSERT_TRUE(why.settled >= 0 && why.settled < n);
            ASSERT_EQ(why.beatSettled, r[t][why.settled] == Win);
        }
        if (why.step == RankStep::GroupOrder) {
            for (int o : why.tiedWith) ASSERT_EQ(o < t, e.ranks[o] < e.ranks[t]);
        }
    }
}

TEST(Ranking, RandomGroupsAlwaysGiveEveryTeamOneRankInRateOrder) {
    std::mt19937 rng(20240607);
    for (int round = 0; round < 5000; ++round) {
        GroupResults r{};
        for (int a = 0; a < kTeamsPerGroup; ++a)
            for (int b = a + 1; b < kTeamsPerGroup; ++b) {
                int code = int(rng() % 4);
                r[a][b] = code;
                r[b][a] = code == Win ? Loss : code == Loss ? Win : code;
            }
        const int n = int(rng() % 11), m = int(rng() % 11);
        // Both outputs of the ranking: the ranks alone, and the ranks with their reasons.
        const GroupRanks got = rankGroup(r, n, m);
        const ExplainedRanks explained = rankGroupExplained(r, n, m);
        expectSoundRanks(r, n, got, round);
        expectSoundRanks(r, n, explained.ranks, round);
        ASSERT_EQ(explained.ranks, got) << "round " << round;
        if (m >= n) expectSoundReasons(r, n, rankGroupExplained(r, n, n), round);
        if (HasFatalFailure()) return;
    }
}

// Digest of the ranks of many random groups, damaged one-sided results included, as the
// ranking gave them before it learnt to give its reasons. A change of any rank shows here.
TEST(Ranking, RanksAreThoseGivenBeforeReasonsWereAdded) {
    std::mt19937 rng(19890108);
    std::uint64_t digest = 1469598103934665603ull;
    for (int round = 0; round < 20000; ++round) {
        GroupResults r{};
        for (int a = 0; a < kTeamsPerGroup; ++a)
            for (int b = a + 1; b < kTeamsPerGroup; ++b) {
                const int code = int(rng() % 4);
                r[a][b] = code;
                r[b][a] = round % 2 ? int(rng() % 4) : code == Win ? Loss : code == Loss ? Win : code;
            }
        const int n = int(rng() % 11), m = int(rng() % 11);
        for (int v : rankGroupExplained(r, n, m).ranks) {
            digest ^= std::uint64_t(v);
            digest *= 1099511628211ull;
        }
    }
    EXPECT_EQ(digest, 0x5670a49d4010ede2ull);
}

}  // namespace
