#pragma once
// A working folder as an organiser's looks after a few years: stored terms with results,
// named groups, teams with their details, suspended teams, the snapshots of the last
// change-over, change-over rules and saved postal codes.

#include <string>

#include "support/temp_folder.h"

struct LeagueShape {
    int groups = 6;
    int teamsPerGroup = 8;
    int terms = 10;
    int suspended = 5;
    int rules = 4;
};

void layLeague(const TempFolder& t, const LeagueShape& shape = {});

// The name of the team at a position in a laid league (the same in every term).
std::string leagueTeamName(int recordNo);
