#include "print/csv_reports.h"

#include <cstdio>

#include "print/csv_writer.h"
#include "standings/result_codes.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

std::string letter(char c) {
    return csvText(std::string_view(&c, 1));
}

std::string number(std::string_view field) {
    return std::to_string(parseLong(field));
}

std::string resultMark(char stored) {
    switch (decodeResultByte(stored)) {
        case Win:
            return "○";
        case Loss:
            return "×";
        case Draw:
            return "△";
        default:
            return std::string();
    }
}

// Wins over decided games to three places, as a spreadsheet reads a number; empty for a
// team that has played nothing, whose stored rate is blank too.
std::string winRate(const ResultLine& line) {
    const long wins = parseLong(line.wins), losses = parseLong(line.losses), draws = parseLong(line.draws);
    if (wins + losses + draws <= 0) return std::string();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.3f", wins + losses > 0 ? double(wins) / double(wins + losses) : 0.0);
    return buf;
}

}  // namespace

std::string csvText(std::string_view sjisField) {
    // In UTF-8, where the NULs of a damaged field have become blanks as well.
    const std::string utf8 = sjis::toUnicode(sjisField);
    const std::string_view wide = "\u3000";
    auto blank = [](char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; };
    std::string_view v = utf8;
    for (;;) {
        if (!v.empty() && blank(v.front()))
            v.remove_prefix(1);
        else if (v.starts_with(wide))
            v.remove_prefix(wide.size());
        else if (!v.empty() && blank(v.back()))
            v.remove_suffix(1);
        else if (v.ends_with(wide))
            v.remove_suffix(wide.size());
        else
            return std::string(v);
    }
}

std::string standingsCsv(const StandingsSheetData& data) {
    std::vector<std::string> heading = {"級", "部", "行", "チーム名", "勝", "敗", "分", "勝点", "勝率", "順位"};
    for (int col = 1; col <= kTeamsPerGroup; ++col) heading.push_back("対" + std::to_string(col));
    std::string out = std::string(csv::kByteOrderMark) + csv::record(heading);
    for (const PrintedGroup& g : data.groups) {
        for (int row = 0; row < kTeamsPerGroup; ++row) {
            const ResultLine& line = g.rows[row];
            if (!holdsTeam(line.name)) continue;
            const long rank = parseLong(line.rank);
            std::vector<std::string> fields = {
                letter(g.classLetter),   letter(g.divisionLetter),
                std::to_string(row + 1), csvText(line.name),
                number(line.wins),       number(line.losses),
                number(line.draws),      number(line.points),
                winRate(line),           rank > 0 ? std::to_string(rank) : std::string()};
            for (int col = 0; col < kTeamsPerGroup; ++col)
                fields.push_back(col == row || col >= int(line.results.size()) ? std::string()
                                                                               : resultMark(line.results[col]));
            out += csv::record(fields);
        }
    }
    return out;
}

std::string teamListCsv(const TeamListData& data) {
    std::string out = std::string(csv::kByteOrderMark) +
                      csv::record({"級", "部", "チーム名", "代表者", "携帯電話", "電話", "FAX", "郵便番号", "都道府県",
                                   "区市郡", "番地", "ビル名", "メールアドレス"});
    for (const TeamListRow& r : data.rows) {
        const TeamContacts& c = r.contacts;
        out += csv::record({letter(r.classLetter), letter(r.divisionLetter), csvText(r.name), csvText(c.representative),
                            csvText(c.mobile), csvText(c.telephone), csvText(c.fax), csvText(c.postalCode),
                            csvText(c.prefecture), csvText(c.city), csvText(c.street), csvText(c.building),
                            csvText(c.mail)});
    }
    return out;
}

std::string csvFileName(Report report, const TermLabel& term) {
    const std::string name = termName(term);
    return reportTitle(report) + (name.empty() ? std::string() : "_" + name) + ".csv";
}
