#pragma once
// Gathers what the team list prints for the term being shown: every team of the counted
// groups with the contact details of its own register record.

#include <optional>

#include "print/report_data.h"
#include "store/data_dir.h"
#include "store/league_model.h"

// Nothing when the results file cannot be read: then no list is printed at all. A team
// register that cannot be read only leaves the contact columns blank.
std::optional<TeamListData> gatherTeamList(const LeagueModel& m, const DataDir& dir, ListDate today);
