// Why each team holds its rank: the step and the teams the ranking names for the worked
// examples and for each rule on its own, and the two help lines made of them.

#include <gtest/gtest.h>

#include "standings/group_results.h"
#include "standings/rank_explanation.h"
#include "standings/standings.h"
#include "support/records.h"

namespace {

using Names = std::array<std::string, kTeamsPerGroup>;

Names namesOf(std::initializer_list<const char*> utf8) {
    Names out;
    out.fill(std::string(20, ' '));
    int row = 0;
    for (const char* n : utf8) out[row++] = name20(n);
    return out;
}

const Names kProLeague = namesOf({"ライオンズ", "タイガース", "ホークス", "イーグルス", "カープ", "ベアーズ"});

ResultsTable tableOf(const Group& g) {
    ResultsTable t;
    t.results = g.r;
    return t;
}

// Both help lines of every team, each asked with the rank the results give it.
std::vector<std::string> linesOf(const Group& g, const Names& names, int n, int line) {
    const ResultsTable t = tableOf(g);
    const GroupRanks r = g.rank(n);
    std::vector<std::string> out;
    for (int row = 0; row < n; ++row) {
        const RankExplanation e = explainShownRank(t, names, row, r[row], false);
        out.push_back(line == 1 ? e.line1 : e.line2);
    }
    return out;
}

TEST(RankReasons, FirstWorkedExampleNamesTheSettledTeamAndTheGameOfThePairLeft) {
    const ExplainedRanks e = firstExample().explained(6);
    // T4, T5 and T6 stand alone on their rates.
    for (int t : {3, 4, 5}) EXPECT_EQ(e.reasons[t].step, RankStep::Rate) << t;
    // Of T1, T2, T3 tied at 3, only T3 beat the settled T4; T1 then beat T2.
    for (int t : {0, 1, 2}) {
        EXPECT_EQ(e.reasons[t].step, RankStep::SettledTeam) << t;
        EXPECT_EQ(e.reasons[t].settled, 3) << t;
        EXPECT_EQ(e.reasons[t].tiedAt, 3) << t;
    }
    EXPECT_TRUE(e.reasons[2].beatSettled);
    EXPECT_EQ(e.reasons[2].pairedWith, -1);
    EXPECT_EQ(e.reasons[2].tiedWith, (std::vector<int>{0, 1}));
    EXPECT_FALSE(e.reasons[0].beatSettled);
    EXPECT_EQ(e.reasons[0].pairedWith, 1);
    EXPECT_TRUE(e.reasons[0].wonPair);
    EXPECT_EQ(e.reasons[1].pairedWith, 0);
    EXPECT_FALSE(e.reasons[1].wonPair);

    EXPECT_EQ(linesOf(firstExample(), kProLeague, 6, 1),
              (std::vector<std::string>{
                  "同率のまま：確定チーム イーグルスに勝てず、直接対決でタイガースに勝ったため4位",
                  "同率のまま：確定チーム イーグルスに勝てず、直接対決でライオンズに負けたため5位",
                  "同率のまま：確定チーム イーグルスに勝ったため3位",
                  "勝率 .800 で単独1位",
                  "勝率 .667 で単独2位",
                  "勝率 .000 で単独6位",
              }));
    EXPECT_EQ(linesOf(firstExample(), kProLeague, 6, 2)[2],
              "勝率 .500 で同率：ライオンズ、タイガース／確定チーム（同順位のいないチーム）に上位から順に、"
              "勝ったチームを上にします．");
    EXPECT_EQ(linesOf(firstExample(), kProLeague, 6, 2)[3],
              "4勝1敗0分：勝率は 勝÷（勝＋負）で、引き分けは入りません．");
}

TEST(RankReasons, SecondWorkedExampleWalksOnToASettledTeamBelowTheTie) {
    const ExplainedRanks e = secondExample().explained(5);
    EXPECT_EQ(e.reasons[0].step, RankStep::Rate);
    EXPECT_EQ(e.reasons[2].step, RankStep::Rate);
    // No tied team beat U1; U4 and U5 beat U3, and U5 beat U4.
    for (int t : {1, 3, 4}) EXPECT_EQ(e.reasons[t].settled, 2) << t;
    EXPECT_TRUE(e.reasons[4].beatSettled && e.reasons[4].wonPair && e.reasons[4].pairedWith == 3);
    EXPECT_TRUE(e.reasons[3].beatSettled && !e.reasons[3].wonPair && e.reasons[3].pairedWith == 4);
    EXPECT_FALSE(e.reasons[1].beatSettled);
    EXPECT_EQ(e.reasons[1].pairedWith, -1);

    const Names names = namesOf({"スワローズ", "ドラゴンズ", "マリーンズ", "バファローズ", "ファイターズ"});
    EXPECT_EQ(linesOf(secondExample(), names, 5, 1),
              (std::vector<std::string>{
                  "勝率 1.000 で単独1位",
                  "同率のまま：確定チーム マリーンズに勝てなかったため4位",
                  "勝率 .000 で単独5位",
                  "同率のまま：確定チーム マリーンズに勝ち、直接対決でファイターズに負けたため3位",
                  "同率のまま：確定チーム マリーンズに勝ち、直接対決でバファローズに勝ったため2位",
              }));
}

TEST(RankReasons, HeadToHeadAndGroupOrderOnTheirOwn) {
    // Two teams at 2/3: team 2 beat team 1. Two at 1/3: team 4 beat team 3.
    const Group pairs = Group{}.beat(1, 3).beat(1, 4).beat(2, 1).beat(2, 4).beat(3, 2).beat(4, 3);
    EXPECT_EQ(linesOf(pairs, kProLeague, 4, 1), (std::vector<std::string>{
                                                    "勝率 .667 で同率：直接対決でタイガースに負けたため2位",
                                                    "勝率 .667 で同率：直接対決でライオンズに勝ったため1位",
                                                    "勝率 .333 で同率：直接対決でイーグルスに負けたため4位",
                                                    "勝率 .333 で同率：直接対決でホークスに勝ったため3位",
                                                }));

    // Three teams at .500 whose games among themselves give 4, 2 and 0 points.
    const Group three =
        Group{}.beat(1, 2).beat(1, 3).beat(2, 3).beat(3, 4).beat(3, 5).beat(2, 4).beat(5, 2).beat(4, 1).beat(5, 1);
    EXPECT_EQ(three.rank(5), ranks({2, 3, 4, 5, 1}));
    EXPECT_EQ(linesOf(three, kProLeague, 5, 1)[0], "勝率 .500 で同率：同率チームとの直接対決の勝点 4 で2位");
    EXPECT_EQ(linesOf(three, kProLeague, 5, 2)[2],
              "同率同士の勝点（勝2点・引き分け1点）：ライオンズ 4、タイガース 2、ホークス 0");

    // A circle with nothing else to separate it falls to group order.
    const Group circle = Group{}.beat(1, 2).beat(2, 3).beat(3, 1);
    EXPECT_EQ(linesOf(circle, kProLeague, 3, 1),
              (std::vector<std::string>{"同率で決着せず：部内の順で1位", "同率で決着せず：部内の順で2位",
                                        "同率で決着せず：部内の順で3位"}));
    EXPECT_EQ(linesOf(circle, kProLeague, 3, 2)[1],
              "勝率 .500 "
              "で同率：ライオンズ、ホークス／直接対決でも確定チームとの勝敗でも決まらず、級・部の上の行が上位です．");
}

TEST(RankReasons, RowsOfTheGroupAreNamedAcrossAnEmptyRow) {
    // Teams in rows 1 and 3 with row 2 empty: the pair is named by its rows, not by places.
    Group g = Group{}.beat(3, 1).beat(1, 4).beat(4, 3);
    ResultsTable t = tableOf(g);
    const TeamRows teams{true, false, true, true};
    const ExplainedRanks e = explainRanks(t, teams);
    EXPECT_EQ(e.ranks, ranks({1, 0, 2, 3}));
    EXPECT_EQ(e.reasons[0].step, RankStep::GroupOrder);
    EXPECT_EQ(e.reasons[2].tiedWith, (std::vector<int>{0, 3}));
    EXPECT_EQ(e.reasons[1].step, RankStep::None);
}

TEST(RankReasons, RanksNotComputedFromTheResultsAreSaidToBeSo) {
    const ResultsTable t = tableOf(firstExample());
    EXPECT_EQ(explainShownRank(t, kProLeague, 3, 5, true).line1, "順位は手入力です（順位計算しない）");
    EXPECT_EQ(explainShownRank(t, kProLeague, 3, 5, false).line1,
              "表示の順位は保存されている順位です（成績から計算すると1位）");
    EXPECT_EQ(explainShownRank(t, kProLeague, 3, 0, false).line1, "順位はまだ計算されていません");
    // A row without a team has nothing to explain.
    EXPECT_TRUE(explainShownRank(t, kProLeague, 7, 0, false).empty());
    EXPECT_TRUE(explainShownRank(t, kProLeague, 7, 0, true).empty());
}

TEST(RankReasons, RatesAreWrittenTheBaseballWay) {
    EXPECT_EQ(rateText(2, 1), ".667");
    EXPECT_EQ(rateText(1, 2), ".333");
    EXPECT_EQ(rateText(3, 0), "1.000");
    EXPECT_EQ(rateText(0, 0), ".000");
    EXPECT_EQ(rateText(0, 4), ".000");
}

}  // namespace
