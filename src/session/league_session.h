#pragma once
// The file work of starting and closing the program, in the order the data files depend on
// one another. It calls every subsystem; the main form shows the result.

#include <string>

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

struct StartupResult {
    bool dataFolderReady = false;  // Data/ exists (it is created when missing)
    bool allFilesReady = false;    // every data file could be read, or created
    bool writable = false;         // a file can be written in Data/: saves can work
    bool recovered = true;         // an interrupted save was completed or undone cleanly
};

// Finishes or undoes a restore or a save that a stopped process left half done, and removes its
// half-made copies of Data/; then loads every data file
// into the model, creating those that are missing, and selects the first team of group 1 in
// the newest term.
StartupResult loadLeague(LeagueModel& m, const DataDir& dir, const CalendarDate& today);

// Saves the club name and the group letters and sorts the change-over rules.
// The result names the first file that could not be written.
SaveResult closeLeague(const LeagueModel& m, const DataDir& dir);
