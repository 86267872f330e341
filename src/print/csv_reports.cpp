#include "print/csv_reports.h"

#include <cstdio>

#include "standings/result_codes.h"
#include "store/csv_writer.h"
#include "store/sjis.h"
#include "store/team_field_captions.h"
#include "store/text_ops.h"

namespace {

std::string letter(char c) {
    return csvText(std::string_view(&c, 1));
}

std::string number(std::string_view field) {
    return std::to_string(parseLong(field));
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
    // Only the half-width blanks that pad the field (NULs of a damaged field read as blanks
    // too) go: whatever the user stored stays, so an import can put back the very bytes.
    std::string utf8 = sjis::toUnicode(sjisField);
    utf8.erase(utf8.find_last_not_of(' ') + 1);
    return utf8;
}

std::string standingsCsv(const StandingsSheetData& data) {
    std::string out(csv::kByteOrderMark);
    for (const PrintedGroup& g : data.groups) {
        std::vector<int> rows;  // the rows that hold a team, which are also the opponents
        for (int row = 0; row < kTeamsPerGroup; ++row)
            if (holdsTeam(g.rows[row].name)) rows.push_back(row);
        if (rows.empty()) continue;
        // Each group is a table of its own under its own heading, set apart by an empty line,
        // so that a spreadsheet sorts and filters one group at a time.
        if (out.size() > csv::kByteOrderMark.size()) out += csv::record({});
        std::vector<std::string> heading = {"級", "部", "行", "チーム名", "勝", "敗", "分", "勝点", "勝率", "順位"};
        for (int col : rows) heading.push_back("対" + csvText(g.rows[col].name));
        out += csv::record(heading);
        for (int row : rows) {
            const ResultLine& line = g.rows[row];
            const long rank = parseLong(line.rank);
            std::vector<std::string> fields = {
                letter(g.classLetter),   letter(g.divisionLetter),
                std::to_string(row + 1), csvText(line.name),
                number(line.wins),       number(line.losses),
                number(line.draws),      number(line.points),
                winRate(line),           rank > 0 ? std::to_string(rank) : std::string()};
            for (int col : rows)
                fields.push_back(col == row || col >= int(line.results.size())
                                     ? std::string()
                                     : std::string(resultMark(decodeResultByte(line.results[col]))));
            out += csv::record(fields);
        }
    }
    return out;
}

std::string teamListCsv(const TeamListData& data) {
    // The captions of the details area, so that a column reads as the field it came from and
    // an import knows it again; the detail fields follow the name in the order of the record,
    // which puts the memo, the organiser's own note, last.
    std::vector<std::string> heading = {"級", "部", std::string(team_field::caption(team_field::TeamName))};
    for (int k = team_field::Representative; k <= team_field::Remarks; ++k)
        heading.emplace_back(team_field::caption(k));
    std::string out = std::string(csv::kByteOrderMark) + csv::record(heading);
    for (const TeamListRow& r : data.rows) {
        const TeamContacts& c = r.contacts;
        out += csv::record({letter(r.classLetter), letter(r.divisionLetter), csvText(r.name), csvText(c.representative),
                            csvText(c.mobile), csvText(c.telephone), csvText(c.fax), csvText(c.postalCode),
                            csvText(c.prefecture), csvText(c.city), csvText(c.street), csvText(c.building),
                            csvText(c.mail), csvText(c.remarks)});
    }
    return out;
}

std::string csvFileName(Report report, const TermLabel& term) {
    return reportFileName(report, term, ".csv");
}
