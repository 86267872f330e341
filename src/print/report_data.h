#pragma once
// What the two printed reports show, gathered from the data files at print time. Every text
// is kept exactly as stored (Shift-JIS, blank-padded to its field width).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "store/league_model.h"
#include "store/text_ops.h"

// The term a report is printed for. The year is the stored Heisei-numbered year, 0 when the
// shown slot holds no term; half 0 is 前期, 1 is 後期.
struct TermLabel {
    int heiseiYear = 0;
    int half = 0;
};

// One team position of the term being printed.
struct ResultLine {
    std::string name = std::string(20, ' ');
    std::string results = std::string(10, ' ');  // against rows 1..10: ' ', '1' win, '2' loss, '3' draw
    std::string wins = "  ", losses = "  ", draws = "  ", points = "  ", rank = "  ";
};

struct PrintedGroup {
    char classLetter = ' ';
    char divisionLetter = ' ';
    std::array<ResultLine, kTeamsPerGroup> rows;
};

struct StandingsSheetData {
    std::vector<PrintedGroup> groups;  // the leading group slots that have a class letter
    std::string clubName;
    TermLabel term;
};

// A team's contact details as stored in its register record; all blanks when it has none.
struct TeamContacts {
    std::string representative = std::string(16, ' ');
    std::string mobile = std::string(13, ' ');
    std::string telephone = std::string(13, ' ');
    std::string fax = std::string(13, ' ');
    std::string postalCode = std::string(8, ' ');
    std::string prefecture = std::string(8, ' ');
    std::string city = std::string(20, ' ');
    std::string street = std::string(40, ' ');
    std::string building = std::string(40, ' ');
    std::string mail = std::string(40, ' ');
    std::string remarks = std::string(400, ' ');  // the organiser's memo, CR LF between its lines
};

struct TeamListRow {
    char classLetter = ' ';
    char divisionLetter = ' ';
    std::string name = std::string(20, ' ');
    TeamContacts contacts;
};

struct ListDate {
    int year = 0, month = 0, day = 0;
};

struct TeamListData {
    std::vector<TeamListRow> rows;  // every team of the counted groups, group by group
    int groupCount = 0;             // the leading group slots that have a class letter
    int termTeamCount = 0;          // teams in the whole term being printed
    ListDate date;                  // the day the program was started
    std::string clubName;
    TermLabel term;
};
