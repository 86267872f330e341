#pragma once
// The whole in-memory state of the program: fixed-capacity arrays, loaded at start-up and
// kept in step with the data files by every operation.

#include <array>
#include <string>

#include "store/record_layout.h"

inline constexpr int kGroups = 20;
inline constexpr int kTeamsPerGroup = 10;
inline constexpr int kTeamPositions = 200;
inline constexpr int kTermSlots = 10;
inline constexpr int kMaxSuspended = 100;
inline constexpr int kChangePositions = 300;
inline constexpr int kUserNameWidth = 40;
inline constexpr int kGroupBlockWidth = 40;

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

// Position number (record number) of row r (0..9) of group slot g (0..19): 1..200.
inline int positionNumber(int slot, int row) {
    return slot * kTeamsPerGroup + row + 1;
}
inline int slotOfPosition(int n) {
    return (n - 1) / kTeamsPerGroup;
}
inline int rowOfPosition(int n) {
    return (n - 1) % kTeamsPerGroup;
}

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

    // Calendar and the term being shown.
    int todayYear = 0, todayMonth = 0, todayDay = 0;
    int todayHeiseiYear = 0;
    std::string todayYearText, todayMonthText, todayDayText, todayHeiseiYearText;
    int latestYear = 0;
    int termHalf = 0;
    int termSlotIndex = 0;
    int termTeamCount = 0;
    std::array<int, kTeamPositions> termTeamPresent{};
    int deleteAvailable = 0;
    std::string yearFieldText;         // what the year field shows ("%2d")
    std::string deleteCommandCaption;  // caption of the fourth command (UTF-8)
    int todayHalf = 0;                 // the half that contains today (caption colours)

    // Selection.
    int currentGroup = 1;
    int selectedRow = 0;
    int currentRecordNo = 1;
    int detailRecordNo = 1;
    std::string userName;  // 40 bytes, blank-padded

    ResultsTable table;

    // Suspended register.
    int suspendedCount = 0;
    int suspendedRecordNo = 1;
    int suspendedListTop = 0;
    int suspendedListRow = 0;
    int allTeamsLinked = 1;

    // Change-over positions: 1..200 team positions, 201..300 the suspended records.
    std::array<int, kChangePositions> RankedTeamRecord{};
    std::array<int, kChangePositions> ChangePositionMap{};
    std::array<int, kChangePositions> BasePositionMap{};
    std::array<int, kChangePositions> NextTermTeam{};

    // Saved postal codes.
    int savedCodeCount = 0;
    int savedPageTop = 0;

    // Screen state.
    int focusCode = 1000;
    int commandReturnFocus = 1000;
    int selectedCommand = 8;
    int panelOpen = 0;
    int sidePanelOpen = 0;
    int enterCommitted = 0;
    int manualHint = 0;
    int gridHelpShown = 0;
    int deleteDone = 0;

    // Record buffers of the six layouts.
    RecordCodec teamCodec;
    RecordCodec suspendedCodec;
    RecordCodec resultCodec;
    RecordCodec changePositionCodec;
    RecordCodec savedCodeCodec;
    RecordCodec postalLineCodec;
};
