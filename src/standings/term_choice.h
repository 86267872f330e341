#pragma once
// Choosing the term to show: what the year field accepts, the term the first-use panel
// registers, and the term that follows the newest stored one.

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"

// The text the year field offers for editing: the typed year, or this year when the typed
// one lies outside latestYear − 5 … latestYear + 1.
std::string yearTextOnEntry(const LeagueModel& m, std::string_view typed);

struct YearChoice {
    bool accepted = false;
    std::string fieldText;  // what the field shows afterwards
    std::string key;        // the term key to look for, when accepted
};
// Only this year or the year before is accepted; anything else resets the field to this
// year ("%-2d").
YearChoice confirmYear(const LeagueModel& m, std::string_view typed);

// The year the first-use panel registers: never more than two years before this one.
int firstTermYear(const LeagueModel& m, int panelYear);

struct TermName {
    int year = 0;
    int half = 0;  // 0 前期, 1 後期
};
// The term stored in a slot of the results file; year 0 when none is.
TermName storedTerm(const DataDir& dir, int slot);
// The newest stored term (slot 0); year 0 when none is stored.
TermName newestStoredTerm(const DataDir& dir);
// The term after t: 前期 is followed by 後期 of the same year, 後期 by 前期 of the next.
TermName termAfter(const TermName& t);

// "前期" or "後期".
const char* halfCaption(int half);
