#include "print/league_files.h"

#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"

std::string storedName(const std::string& utf8) {
    return padField(sjis::fromUnicode(utf8), false, 20);
}

LeagueFiles::LeagueFiles(const std::string& key) {
    results = padField(key, false, 30) + " \n" + emptyRecords(layouts::get(layouts::Result), kTeamPositions);
    teams = emptyRecords(layouts::get(layouts::Team), kTeamPositions);
}

LeagueFiles& LeagueFiles::team(int slot, int row, const std::string& utf8Name, const std::string& res,
                               const std::string& counts) {
    const std::string record = storedName(utf8Name) + padField(res, false, 10) + padField(counts, false, 14) + " \n";
    results.replace(32 + std::size_t(positionNumber(slot, row) - 1) * 46, 46, record);
    return *this;
}

std::string leagueTeamName(int slot, int row) {
    return std::string(1, char('A' + slot)) + "チーム" + std::to_string(row + 1);
}

LeagueFiles& LeagueFiles::league(int groups, int teamsPerGroup) {
    for (int g = 0; g < groups; ++g) {
        for (int r = 0; r < teamsPerGroup; ++r) {
            std::string res(10, ' ');
            int wins = 0, losses = 0, draws = 0;
            for (int c = 0; c < teamsPerGroup; ++c) {
                if (c == r) continue;
                const int code = (r + c) % 3 + 1;  // mirrored pairs stay consistent enough to read
                res[c] = char('0' + code);
                (code == 1 ? wins : code == 2 ? losses : draws)++;
            }
            const std::string counts = formatCount(wins, 2) + formatCount(losses, 2) + formatCount(draws, 2) +
                                       formatCount(2 * wins + draws, 2) + "    " + formatCount(r + 1, 2);
            team(g, r, leagueTeamName(g, r), res, counts);
        }
    }
    return *this;
}

LeagueFiles& LeagueFiles::contacts(int record, const std::string& utf8Name, const TeamContactsText& c) {
    const RecordLayout& l = layouts::get(layouts::Team);
    const std::size_t at = std::size_t(record - 1) * l.recordLength;
    auto put = [&](int field, const std::string& utf8) {
        teams.replace(at + l.offsets[field], l.widths[field],
                      padField(sjis::fromUnicode(utf8), false, l.widths[field]));
    };
    put(team_field::Representative, c.representative);
    put(team_field::Mobile, c.mobile);
    put(team_field::Telephone, c.telephone);
    put(team_field::Fax, c.fax);
    put(team_field::City, c.city);
    put(team_field::Street, c.street);
    put(team_field::Building, c.building);
    put(team_field::PostalCode, c.postalCode);
    put(team_field::Prefecture, c.prefecture);
    put(team_field::Mail, c.mail);
    put(team_field::Remarks, c.remarks);
    put(team_field::TeamName, utf8Name);
    return *this;
}

void LeagueFiles::writeTo(const TempFolder& t) const {
    t.write(files::kResults, results);
    t.write(files::kTeamRegister, teams);
}

LeagueModel modelWithGroups(int groups) {
    LeagueModel m;
    for (int g = 0; g < groups; ++g) {
        m.groupBlock[2 * g] = char('A' + g);
        m.groupBlock[2 * g + 1] = char('1' + g % 9);
    }
    m.termSlotIndex = 0;
    return m;
}
