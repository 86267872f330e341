#include "support/league_folder.h"

#include <cstdio>

#include "store/capacities.h"
#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/records.h"

namespace {

// A result of every pairing that differs by term and never depends on the order of calls.
char resultOf(int term, int a, int b) {
    if (a == b) return ' ';
    const int lo = std::min(a, b), hi = std::max(a, b);
    const char code = "1230"[(term * 5 + lo * 7 + hi * 3) % 4];
    if (code == '0') return ' ';
    if (a == lo || code == '3') return code;
    return code == '1' ? '2' : '1';
}

std::string field(const std::string& utf8, int width) {
    return padField(sjis::fromUnicode(utf8), false, width);
}

std::string details(int n, const std::string& name) {
    std::string r = kEmptyTeam;
    r.replace(0, 16, field("代表" + std::to_string(n), 16));
    r.replace(16, 13, field("090-0000-" + std::to_string(1000 + n), 13));
    r.replace(55, 8, field(std::to_string(1000000 + n % 7), 8));
    r.replace(63, 8, field("東京都", 8));
    r.replace(71, 20, field("千代田区", 20));
    r.replace(91, 40, field(std::to_string(n) + "-1", 40));
    r.replace(211, 400, field("備考" + std::to_string(n), 400));
    r.replace(611, 20, name);
    return r;
}

}  // namespace

std::string leagueTeamName(int recordNo) {
    return name20("チーム" + std::to_string(recordNo));
}

void layLeague(const TempFolder& t, const LeagueShape& shape) {
    std::string keys;
    for (int s = 0; s < shape.terms; ++s) {
        const int year = 38 - s / 2;  // 38後期, 38前期, 37後期, …
        keys += formatNumber(year, 2) + (s % 2 == 0 ? "1" : "0");
    }
    std::string results = resultsHeader(keys);
    for (int s = 0; s < std::max(shape.terms, 1); ++s) {
        std::string block = termBlock();
        for (int g = 0; g < shape.groups; ++g)
            for (int r = 0; r < shape.teamsPerGroup; ++r) {
                const int n = positionNumber(g, r);
                std::string rec = leagueTeamName(n);
                for (int c = 0; c < kTeamsPerGroup; ++c) rec += c < shape.teamsPerGroup ? resultOf(s, r, c) : ' ';
                rec += padField(formatCount(r + 1, 2) + formatCount(9 - r, 2), false, 14) + " \n";
                block.replace(std::size_t(n - 1) * 46, 46, rec);
            }
        results += block;
    }
    t.write("Data/Seiseki.001", results);

    std::string reg = teamRegister();
    for (int g = 0; g < shape.groups; ++g)
        for (int r = 0; r < shape.teamsPerGroup; ++r) {
            const int n = positionNumber(g, r);
            reg.replace(std::size_t(n - 1) * 1000, 1000, details(n, leagueTeamName(n)));
        }
    t.write("Data/Info.001", reg);
    t.write("Data/Info.old", reg);

    std::string suspended;
    for (int k = 0; k < shape.suspended; ++k) suspended += details(300 + k, name20("休会" + std::to_string(k)));
    t.write("Data/Kyuubu.001", suspended);
    t.write("Data/Kyuubu.old", suspended.substr(0, suspended.size() / 2 / 1000 * 1000));

    std::string groups;
    for (int g = 0; g < kGroups; ++g) groups += g < shape.groups ? std::string{char('A' + g), char('1' + g % 9)} : "  ";
    t.write("Data/League.001", groups + std::string(960, ' '));
    t.write("Data/UserName.001", field("東京草野球連盟", 40));
    std::string max;
    for (int g = 0; g < kGroups; ++g) max += formatCount(g < shape.groups ? shape.teamsPerGroup : 0, 2);
    t.write("Data/LeagueTeamMax.001", max + std::string(960, ' '));
    std::string rules;
    for (int i = 0; i < shape.rules; ++i)
        rules += formatNumber(10 * (shape.rules - i), 3) + formatNumber(10 * (shape.rules - i) + 1, 3) + " \n";
    t.write("Data/ChangePos.001", rules);
    t.write("Data/MyZip.001", "");
}
