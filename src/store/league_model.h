#pragma once
// The league as the program holds it in memory: fixed-capacity arrays, loaded at start-up and
// kept in step with the data files by every operation. Screen state lives with the screens.

#include <array>
#include <string>

#include "store/capacities.h"
#include "store/team_name_index.h"

// Result codes of one pairing, seen from the row team.
enum ResultCode : int { NoResult = 0, Win = 1, Loss = 2, Draw = 3 };

struct TeamStanding {
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int points = 0;
    int rank = 0;
};

// The group being shown.
struct ResultsTable {
    std::array<std::array<int, kTeamsPerGroup>, kTeamsPerGroup> results{};
    std::array<TeamStanding, kTeamsPerGroup> standings{};
    std::array<double, kTeamsPerGroup> winRate{};
    std::array<int, kTeamsPerGroup> rankWork{};
};

struct LeagueModel {
    LeagueModel();

    // Group slots. The 20 two-byte name entries are kept exactly as stored.
    std::string groupBlock;  // 40 bytes: class letter, division letter per slot
    std::array<int, kGroups> teamMax{};
    std::array<int, kGroups> registeredTeams{};
    std::array<int, kGroups> resultTeams{};
    int resultGroupCount = 0;
    char classLetter(int slot) const { return groupBlock[2 * slot]; }
    char divisionLetter(int slot) const { return groupBlock[2 * slot + 1]; }
    // Both letters of a slot as stored, blanks included.
    std::string groupLetters(int slot) const { return groupBlock.substr(std::size_t(2 * slot), 2); }

    // Calendar and the term being shown.
    int todayYear = 0, todayMonth = 0, todayDay = 0;
    int todayHeiseiYear = 0;
    std::string todayYearText, todayMonthText, todayDayText, todayHeiseiYearText;
    int todayHalf = 0;  // the half that contains today
    int latestYear = 0;
    int termHalf = 0;
    int termSlotIndex = 0;
    int termTeamCount = 0;
    std::array<int, kTeamPositions> termTeamPresent{};
    int deleteAvailable = 0;
    int deleteDone = 0;         // the newest term was deleted in this run
    std::string yearFieldText;  // the year the year field offers ("%2d")

    // Selection.
    int currentGroup = 1;
    int selectedRow = 0;
    int currentRecordNo = 1;
    int detailRecordNo = 1;
    std::string userName;  // 40 bytes, blank-padded

    ResultsTable table;

    // Suspended register.
    int suspendedCount = 0;
    int allTeamsLinked = 1;

    // Change-over positions: 1..200 team positions, 201..300 the suspended records.
    std::array<int, kChangePositions> RankedTeamRecord{};
    std::array<int, kChangePositions> ChangePositionMap{};
    std::array<int, kChangePositions> BasePositionMap{};
    std::array<int, kChangePositions> NextTermTeam{};

    // Saved postal codes.
    int savedCodeCount = 0;

    // The team names of Data/Info.001, so that a team's record is found without reading it.
    TeamNameIndex registerNames;
};

// Both position maps back to the identity (entry i = i + 1).
void resetPositionMaps(LeagueModel& m);
