#pragma once
// The results file of one term and the team register of a working folder, built in memory
// record by record and written out for the printing tests.

#include <string>

#include "print/report_data.h"
#include "store/league_model.h"
#include "support/temp_folder.h"

// A 20-byte stored team name from UTF-8.
std::string storedName(const std::string& utf8);

struct TeamContactsText {
    std::string representative, mobile, telephone, fax, city, street, building;  // UTF-8
    std::string postalCode = {}, prefecture = {}, mail = {}, remarks = {};
};

class LeagueFiles {
public:
    // key: the 3-byte term slot 0 (year "%2d" and half), e.g. "380" for 2026前期.
    explicit LeagueFiles(const std::string& key = "380");

    // A team in group slot, row (0-based). counts: wins, losses, draws, points, win rate and
    // rank as stored (14 bytes), blanks when empty.
    LeagueFiles& team(int slot, int row, const std::string& utf8Name, const std::string& results = "",
                      const std::string& counts = "");
    // Groups 0..groups-1 with teams named "<letter>チーム<row>" and a full round of results.
    LeagueFiles& league(int groups, int teamsPerGroup = 10);
    // Register record n (1-based) for the named team.
    LeagueFiles& contacts(int record, const std::string& utf8Name, const TeamContactsText& c);

    void writeTo(const TempFolder& t) const;

    std::string results;
    std::string teams;
};

// A model showing term slot 0 with the class letters A, B, C, … and division letters 1, 2, …
// for the first `groups` slots.
LeagueModel modelWithGroups(int groups);

// The name of team `row` of group slot `slot` as league() writes it, UTF-8.
std::string leagueTeamName(int slot, int row);
