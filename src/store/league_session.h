#pragma once
// The file work of starting and closing the program, in the order the data files depend on
// one another. The main form shows the result; nothing here touches a screen.

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"

struct StartupResult {
    bool dataFolderReady = false;  // Data/ exists (it is created when missing)
    bool allFilesReady = false;    // every data file could be opened or created
};

// Loads every data file into the model, creating those that are missing, and selects the
// first team of group 1 in the newest term.
StartupResult loadLeague(LeagueModel& m, const DataDir& dir, const CalendarDate& today);

// Saves the club name and the group letters and sorts the change-over rules.
// True when everything that exists was written.
bool closeLeague(const LeagueModel& m, const DataDir& dir);
