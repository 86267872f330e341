#include "standings/rank_explanation.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "standings/standings.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

// More names than this would not fit the help line.
constexpr std::size_t kNamesListed = 4;

struct Record {
    int wins = 0, losses = 0, draws = 0;
};

Record recordOf(const ResultsTable& t, int row) {
    Record r;
    for (int col = 0; col < kTeamsPerGroup; ++col) {
        if (col == row) continue;
        const int code = t.results[row][col];
        r.wins += code == Win;
        r.losses += code == Loss;
        r.draws += code == Draw;
    }
    return r;
}

class Explainer {
public:
    Explainer(const ResultsTable& t, const std::array<std::string, kTeamsPerGroup>& names, int row,
              const ExplainedRanks& ranked)
        : t_(t), names_(names), row_(row), rank_(ranked.ranks[row]), why_(ranked.reasons[row]) {}

    RankExplanation explain() const {
        const Record rec = recordOf(t_, row_);
        const std::string rate = rateText(rec.wins, rec.losses);
        const std::string place = std::to_string(rank_) + "位";
        switch (why_.step) {
            case RankStep::Rate:
                return {"勝率 " + rate + " で単独" + place,
                        std::to_string(rec.wins) + "勝" + std::to_string(rec.losses) + "敗" +
                            std::to_string(rec.draws) + "分：勝率は 勝÷（勝＋負）で、引き分けは入りません．"};
            case RankStep::HeadToHead:
                return {"勝率 " + rate + " で同率：" + headToHead() + place,
                        "同率同士の勝点（勝2点・引き分け1点）：" + mutualPoints()};
            case RankStep::SettledTeam:
                return {"同率のまま：" + settledTeam() + place,
                        "勝率 " + rate + " で同率：" + names(why_.tiedWith) +
                            "／確定チーム（同順位のいないチーム）に上位から順に、勝ったチームを上にします．"};
            case RankStep::GroupOrder:
                return {"同率で決着せず：部内の順で" + place,
                        "勝率 " + rate + " で同率：" + names(why_.tiedWith) +
                            "／直接対決でも確定チームとの勝敗でも決まらず、級・部の上の行が上位です．"};
            case RankStep::None:
                break;
        }
        return {};
    }

private:
    std::string name(int row) const { return sjis::toUnicode(trimBlanks(trimField(names_[row]))); }

    std::string names(const std::vector<int>& rows) const {
        std::string out;
        for (std::size_t k = 0; k < rows.size() && k < kNamesListed; ++k) out += (k ? "、" : "") + name(rows[k]);
        if (rows.size() > kNamesListed) out += " ほか" + std::to_string(rows.size() - kNamesListed) + "チーム";
        return out;
    }

    // The game that split a pair of tied teams.
    std::string game() const { return "直接対決で" + name(why_.pairedWith) + (why_.wonPair ? "に勝った" : "に負けた"); }

    std::string headToHead() const {
        if (why_.pairedWith >= 0) return game() + "ため";
        return "同率チームとの直接対決の勝点 " + std::to_string(pointsAgainstTie(row_)) + " で";
    }

    std::string settledTeam() const {
        const std::string settled = "確定チーム " + name(why_.settled);
        if (why_.beatSettled) {
            if (why_.pairedWith < 0) return settled + "に勝ったため";
            return settled + "に勝ち、" + game() + "ため";
        }
        if (why_.pairedWith < 0) return settled + "に勝てなかったため";
        return settled + "に勝てず、" + game() + "ため";
    }

    // Points of a team against the other teams of the tie: 2 a win, 1 a draw.
    int pointsAgainstTie(int team) const {
        int points = 0;
        for (int other : tie()) {
            if (other == team) continue;
            const int code = t_.results[team][other];
            points += code == Win ? 2 : code == Draw ? 1 : 0;
        }
        return points;
    }

    std::vector<int> tie() const {
        std::vector<int> all = why_.tiedWith;
        all.push_back(row_);
        std::sort(all.begin(), all.end());
        return all;
    }

    std::string mutualPoints() const {
        std::vector<int> all = tie();
        std::stable_sort(all.begin(), all.end(),
                         [&](int a, int b) { return pointsAgainstTie(a) > pointsAgainstTie(b); });
        std::string out;
        for (std::size_t k = 0; k < all.size(); ++k) {
            if (k == kNamesListed) {
                out += " ほか" + std::to_string(all.size() - kNamesListed) + "チーム";
                break;
            }
            out += (k ? "、" : "") + name(all[k]) + " " + std::to_string(pointsAgainstTie(all[k]));
        }
        return out;
    }

    const ResultsTable& t_;
    const std::array<std::string, kTeamsPerGroup>& names_;
    int row_;
    int rank_;
    const RankReason& why_;
};

}  // namespace

std::string rateText(int wins, int losses) {
    if (wins + losses <= 0) return ".000";
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.3f", double(wins) / (wins + losses));
    const std::string text = buf;
    return text[0] == '0' ? text.substr(1) : text;
}

RankExplanation explainShownRank(const ResultsTable& t, const std::array<std::string, kTeamsPerGroup>& names, int row,
                                 int shownRank, bool keptByHand) {
    if (row < 0 || row >= kTeamsPerGroup || !holdsTeam(names[row])) return {};
    if (keptByHand)
        return {"順位は手入力です（順位計算しない）",
                "順位欄に入力した順位です．計算に戻すには「順位計算しない」のチェックを外し、ます目をひとつ4回クリック"
                "します．"};
    TeamRows teams{};
    for (int r = 0; r < kTeamsPerGroup; ++r) teams[r] = holdsTeam(names[r]);
    const ExplainedRanks ranked = explainRanks(t, teams);
    if (shownRank == 0)
        return {"順位はまだ計算されていません", "ます目をクリックして成績を入力すると、順位が計算されます．"};
    if (shownRank != ranked.ranks[row])
        return {"表示の順位は保存されている順位です（成績から計算すると" + std::to_string(ranked.ranks[row]) + "位）",
                "手入力した順位か、前に計算した順位です．ます目をクリックすると計算し直されます．"};
    return Explainer(t, names, row, ranked).explain();
}
