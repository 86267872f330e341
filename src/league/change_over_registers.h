#pragma once
// The team register and the suspended register as a change-over leaves them, worked out from
// the files as they are and the revised line-up (NextTermTeam) before anything is written.

#include <array>
#include <set>
#include <string>
#include <vector>

#include "league/change_over_lineup.h"
#include "store/league_model.h"

// What the new term is made from, as the files hold it now.
struct ChangeOverSources {
    std::string results;    // the whole results file, ten blocks
    std::string registry;   // Data/Info.001, 200 records
    std::string suspended;  // every whole record of Data/Kyuubu.001, the uncounted ones too
};

class ChangeOverRegisters {
public:
    ChangeOverRegisters(const LeagueModel& m, const ChangeOverSources& s);

    // The 20-byte name of a team of the line-up (1..200) or of suspended record team − 200.
    std::string name(int team) const;

    // Data/Info.001 in the order of the new line-up. Records of teams in neither the line-up
    // nor the suspended list follow the line-up in free records: their own when it lies after
    // the line-up, else the first free one after it, else a free one within it. *lost gets the
    // names of those that find no free record (a full league).
    std::string teamRegister(std::vector<std::string>* lost = nullptr) const;

    // The suspended register without the teams that return and with the teams suspended from
    // the new term after the counted ones; records past the hundredth, which an older program
    // may have written, stay after them. *kept is the list before the new teams are added.
    std::string suspendedRegister(std::string* kept, bool* anyReturned) const;

private:
    bool inGroups(int team) const;
    std::string suspendedRecord(int team) const;
    std::string details(int team) const;
    void claimDetails();

    const LeagueModel& m_;
    const ChangeOverSources& s_;
    std::array<int, kChangePositions + 1> record_{};
    std::array<bool, kTeamPositions> claimed_{};
    std::set<std::string> names_;           // teams with a record of their own afterwards
    std::set<std::string> suspendedNames_;  // teams that stay on the suspended list
};
