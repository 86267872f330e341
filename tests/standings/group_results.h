#pragma once
// A group's results written as the organiser would say them, and the two groups whose ranks
// the help memo's rules are checked against.

#include <algorithm>
#include <initializer_list>

#include "standings/ranking.h"

// Team a (1-based) beat team b, or drew with it.
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
    ExplainedRanks explained(int n) const { return rankGroupExplained(r, n, n); }
};

inline GroupRanks ranks(std::initializer_list<int> first) {
    GroupRanks out{};
    std::copy(first.begin(), first.end(), out.begin());
    return out;
}

// T1 … T6: T4 1, T5 2, T1 T2 T3 tied at 3 in a circle, T6 6.
inline Group firstExample() {
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

// U1 … U5: U1 1, U2 U4 U5 tied at 2 in a circle, U3 5.
inline Group secondExample() {
    return Group{}.beat(1, 3).beat(1, 4).beat(1, 5).beat(2, 5).beat(4, 2).beat(4, 3).beat(5, 3).beat(5, 4);
}
