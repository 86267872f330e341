#pragma once
// The term being shown, read from the results file in one go for a printout: its label and
// its block of 200 result records.

#include <optional>
#include <string>
#include <vector>

#include "print/report_data.h"
#include "store/data_dir.h"
#include "store/league_model.h"

struct ShownTerm {
    TermLabel term;
    std::string block;  // 200 records; whatever the file lacks reads as empty records

    ResultLine line(int slot, int row) const;
    int teamCount() const;  // records that hold a team
};

// Nothing when the results file cannot be read or no term slot is being shown.
std::optional<ShownTerm> readShownTerm(const LeagueModel& m, const DataDir& dir);

// The leading group slots whose class letter is set, up to the first that is not.
struct CountedGroup {
    int slot = 0;
    char classLetter = ' ';
    char divisionLetter = ' ';
};
std::vector<CountedGroup> countedGroups(const LeagueModel& m);
