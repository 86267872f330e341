#include "full_league.h"

#include <algorithm>
#include <vector>

#include "contacts/saved_postal_codes.h"
#include "standings/standings.h"
#include "store/capacities.h"
#include "store/data_dir.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/settings_files.h"
#include "store/sjis.h"
#include "store/suspended_register.h"
#include "store/text_ops.h"

namespace {

std::string sj(const std::string& utf8) {
    return sjis::fromUnicode(utf8);
}

std::string teamName(int n) {
    static const char* towns[] = {"東京", "大阪", "横浜", "名古屋", "札幌", "福岡", "神戸", "京都", "仙台", "広島"};
    static const char* clubs[] = {"ジャイアンツ", "タイガース", "ベアーズ",   "イーグルス",   "ホークス",
                                  "ライオンズ",   "スターズ",   "ドラゴンズ", "ファイターズ", "マリーンズ"};
    std::string name = sj(towns[n % 10]) + sj(clubs[(n / 10) % 10]) + std::to_string(n / 100);
    return padField(name, false, kTeamNameWidth);
}

// The result of row a against row b in a term, seen from a; the mirror cell agrees.
int resultOf(int term, int group, int a, int b) {
    if (a == b) return NoResult;
    const int lo = std::min(a, b), hi = std::max(a, b);
    const int code = (term * 7 + group * 3 + lo * 5 + hi * 11) % 5;  // 0 and 4: not played yet
    if (code == 0 || code == 4) return NoResult;
    if (code == Draw || a == lo) return code;
    return code == Win ? Loss : Win;
}

std::string resultsFile(const SeedShape& shape) {
    std::string keys;
    for (int s = 0; s < shape.terms; ++s) keys += makeTermKey(38 - s / 2, s % 2 == 0 ? 1 : 0);
    std::string out = padField(keys, false, kResultsHeaderLength - 2) + " \n";
    RecordCodec rec(layouts::get(layouts::Result));
    for (int s = 0; s < std::max(shape.terms, 1); ++s) {
        for (int g = 0; g < kGroups; ++g) {
            const int teams = g < shape.groups ? shape.teamsPerGroup : 0;
            ResultsTable t;
            TeamRows present{};
            for (int r = 0; r < kTeamsPerGroup; ++r) {
                present[r] = r < teams;
                for (int c = 0; c < kTeamsPerGroup; ++c)
                    t.results[r][c] = r < teams && c < teams ? resultOf(s, g, r, c) : NoResult;
            }
            computeStandings(t, present, false);
            const auto fields = groupResultFields(t, false);
            for (int r = 0; r < kTeamsPerGroup; ++r) {
                rec.clearRecord();
                if (present[r]) {
                    rec.field(result_field::TeamName).assign(teamName(positionNumber(g, r)));
                    rec.packRecord();
                    rec.record().replace(layouts::offset(layouts::Result, result_field::FirstResult), fields[r].size(),
                                         fields[r]);
                }
                out += rec.record();
            }
        }
    }
    return out;
}

std::string teamRecord(int n, const std::string& name) {
    RecordCodec c(layouts::get(layouts::Team));
    auto put = [&](int f, const std::string& utf8) { c.field(f).assign(sj(utf8)); };
    const std::string digits = std::to_string(1000 + n % 9000);
    put(team_field::Representative, "代表　" + std::to_string(n) + "郎");
    put(team_field::Mobile, "090-1234-" + digits);
    put(team_field::Telephone, "03-3581-" + digits);
    put(team_field::Fax, n % 3 ? "" : "03-3581-9" + digits.substr(1));
    put(team_field::PostalCode, std::to_string(1000001 + (n % 40) * 1371) + " ");
    put(team_field::Prefecture, "東京都");
    put(team_field::City, n % 2 ? "千代田区" : "世田谷区");
    put(team_field::Street, "霞が関" + std::to_string(n % 4 + 1) + "-" + std::to_string(n % 9 + 1));
    put(team_field::Building, n % 4 ? "" : "中央合同庁舎" + std::to_string(n % 8) + "号館");
    put(team_field::Mail, "team" + std::to_string(n) + "@example.jp");
    put(team_field::Remarks, "練習日は土曜\r\nグラウンド：河川敷" + std::to_string(n % 5 + 1) + "番");
    c.field(team_field::TeamName).assign(name);
    c.packRecord();
    return c.record();
}

std::string changePositions(const SeedShape& shape) {
    // Promotion and relegation between neighbouring groups: the top two of a group go up into
    // the bottom rows of the one above, its bottom two come down; every other team stays.
    std::vector<int> targetOf(kChangePositions);
    for (int i = 0; i < kChangePositions; ++i) targetOf[i] = i + 1;
    for (int g = 1; g < kGroups; ++g)
        for (int k = 0; k < 2; ++k) {
            std::swap(targetOf[positionNumber(g, k) - 1], targetOf[positionNumber(g - 1, kTeamsPerGroup - 2 + k) - 1]);
        }
    std::string out;
    const int count = shape.fullRules ? kChangePositions : 5;
    for (int i = 0; i < count; ++i) out += changePositionRecord(i + 1, targetOf[i]);
    return out;
}

std::string savedCodes(const std::string& teamRegister) {
    std::map<std::string, std::string> byCode;
    RecordCodec code(layouts::get(layouts::SavedPostalCode));
    for (std::size_t at = 0; at + kTeamRecordLength <= teamRegister.size(); at += kTeamRecordLength) {
        const std::string_view rec = std::string_view(teamRegister).substr(at, kTeamRecordLength);
        const std::string_view c = layouts::field(rec, layouts::Team, team_field::PostalCode);
        if (!holdsTeam(c) || byCode.count(std::string(c))) continue;
        code.field(saved_code_field::Code).setRaw(c);
        code.field(saved_code_field::Address)
            .assign(shortAddress(layouts::field(rec, layouts::Team, team_field::City),
                                 layouts::field(rec, layouts::Team, team_field::Street)));
        code.packRecord();
        byCode[std::string(c)] = code.record();
    }
    std::string out;
    for (const auto& [c, record] : byCode) out += record;
    return out;
}

}  // namespace

LeagueFiles buildLeague(const SeedShape& shape) {
    LeagueFiles files;
    files[files::kResults] = resultsFile(shape);

    const std::string empty = emptyRecord(layouts::get(layouts::Team));
    std::string reg;
    for (int n = 1; n <= kTeamPositions; ++n) {
        const bool held = slotOfPosition(n) < shape.groups && rowOfPosition(n) < shape.teamsPerGroup;
        reg += held ? teamRecord(n, teamName(n)) : empty;
    }
    files[files::kTeamRegister] = reg;
    files[files::kTeamSnapshot] = reg;

    std::string suspended;
    for (int k = 0; k < shape.suspended; ++k)
        suspended += suspendedRecordFrom(
            teamRecord(300 + k, padField(sj("休会") + teamName(k).substr(0, 12), false, kTeamNameWidth)));
    files[files::kSuspended] = suspended;
    files[files::kSuspendedSnapshot] =
        suspended.substr(0, suspended.size() / 2 / kTeamRecordLength * kTeamRecordLength);

    std::string groups, maxima;
    for (int g = 0; g < kGroups; ++g) {
        groups += g < shape.groups ? std::string{char('1' + g / 4), char('A' + g % 4)} : "  ";
        maxima += formatCount(g < shape.groups ? shape.teamsPerGroup : 0, 2);
    }
    files[files::kGroups] = groups + std::string(1000 - groups.size(), ' ');
    files[files::kTeamMax] = maxima + std::string(1000 - maxima.size(), ' ');
    files[files::kUserName] = padField(sj("東京都草野球連盟"), false, kUserNameWidth);
    files[files::kChangePositions] = changePositions(shape);
    files[files::kSavedPostalCodes] = savedCodes(reg);
    return files;
}
