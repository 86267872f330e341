#pragma once
// What the main form gives every screen area: the model and the data folder, the focus
// numbers, the help lines, the timed messages, and the refreshes one area asks of another.
// Areas never reach into each other's widgets; they go through these.

#include <functional>

#include "app/focus_table.h"
#include "app/help_area.h"
#include "app/timed_messages.h"
#include "store/data_dir.h"
#include "store/league_model.h"

struct FormServices {
    LeagueModel& model;
    const DataDir& dir;
    FocusTable& focus;
    HelpArea& help;
    TimedMessages& messages;

    // Reloads the group table and the team list of currentGroup in termSlotIndex.
    std::function<void()> showGroup = [] {};
    // Shows the counts of the header line again (teams of the shown term, suspended teams).
    std::function<void()> showCounts = [] {};
    // Shows the whole header line again: the year field, the term marks, the club name, the counts.
    std::function<void()> showHeader = [] {};
    // Opens the command panel, or closes it when it is open.
    std::function<void()> toggleCommandPanel = [] {};
    // Opens the change-over screen that will create the given term; empty until it exists.
    std::function<void(int year, int half)> openChangeOver = nullptr;

    // The guard every entry handler of an ordinary field runs first: while a panel is open
    // the entry is refused with the timed message, and the caller returns at once.
    bool refuseWhilePanelOpen() {
        if (!model.panelOpen && !model.sidePanelOpen) return false;
        messages.showPanelOpenMessage();
        return true;
    }
};
