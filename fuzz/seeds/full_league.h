#pragma once
// Working folders as an organiser's look after years of use, built byte for byte with the
// program's own record code: named groups, teams with every detail, ten terms of results
// with their standings, suspended teams, change-over rules and saved postal codes.

#include <map>
#include <string>

struct SeedShape {
    int groups = 20;
    int teamsPerGroup = 10;
    int terms = 10;
    int suspended = 100;
    bool fullRules = true;  // a rule for each of the 300 positions, else a few
};

// Every file of Data/ by its relative path ("Data/Info.001").
using LeagueFiles = std::map<std::string, std::string>;

LeagueFiles buildLeague(const SeedShape& shape);
