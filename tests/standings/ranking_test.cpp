// The four ranking rules: the worked examples, each rule on its own, and a property check
// over many random groups.

#include "standings/ranking.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A group's results, written as the organiser would: team a (1-based) beat team b.
struct Group {
    GroupResults r{};
    Group& beat(int a, int b) {
        r[a - 1][b - 1] = Win;
        r[b - 1][a - 1] = Loss;
        return *this;
    }
    Group& draw(int a, int b) {
        r[a - 1][b - 1] = Draw;
        r[b - 1][a - 1] = Draw;
        return *this;
    }
    GroupRanks rank(int n, int m = -1) const { return rankGroup(r, n, m < 0 ? n : m); }
};

GroupRanks ranks(std::initializer_list<int> first) {
    GroupRanks out{};
    std::copy(first.begin(), first.end(), out.begin());
    return out;
}

// T1 … T6: T4 1, T5 2, T1 T2 T3 tied at 3 in a circle, T6 6.
Group firstExample() {
    return Group{}
        .beat(1, 2)
        .beat(1, 6)
        .beat(2, 3)
        .beat(2, 6)
        .beat(3, 1)
        .beat(3, 4)
        .beat(4, 1)
        .beat(4, 2)
        .beat(4, 5)
        .beat(4, 6)
        .beat(5, 3)
        .beat(5, 6);
}

TEST(Ranking, TheTwoWorkedExamples) {
    // T4, T5, T3, T1, T2, T6
    EXPECT_EQ(firstExample().rank(6), ranks({4, 5, 3, 1, 2, 6}));
    // U1, U5, U4, U2, U3
    Group u = Group{}.beat(1, 3).beat(1, 4).beat(1, 5).beat(2, 5).beat(4, 2).beat(4, 3).beat(5, 3).beat(5, 4);
    EXPECT_EQ(u.rank(5), ranks({1, 4, 5, 3, 2}));
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
        const GroupRanks got = rankGroup(r, n, m);

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
}

}  // namespace
