#pragma once
// The operations that rewrite more than one record or file, and what the tests that stop
// them midway need: the state of the data folder, and the league a start reads from it.
// The crash harness and the power-cut simulation both run every operation of the list, so
// one more operation is one more entry there.

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "support/temp_folder.h"

inline constexpr CalendarDate kOperationDay{2026, 12, 8};
inline constexpr LocalDateTime kOperationTime{2026, 12, 8, 10, 0, 0};

struct LeagueOperation {
    const char* name;
    std::function<void(LeagueModel&, const DataDir&)> run;
    // Changes to the folder after the program has started on it.
    std::function<void(const TempFolder&)> afterStart = [](const TempFolder&) {};
};
const std::vector<LeagueOperation>& leagueOperations();
void PrintTo(const LeagueOperation& op, std::ostream* os);

// A laid league the program has started on (so that start-up has nothing left to create),
// changed as the operation wants it; the model as start-up left it.
LeagueModel layStartingPoint(const TempFolder& t, const LeagueOperation& op);

// Every file of Data/ by name.
using FolderState = std::map<std::string, std::string>;
FolderState dataFiles(const std::string& root);
// The files in which two states differ, to keep a failure readable.
std::string differences(const FolderState& a, const FolderState& b);
// What a start reads from (a copy of) a folder, enough to tell two leagues apart.
std::string leagueDigest(const std::string& root);
