#pragma once
// What the main form gives every screen area: the league and the data folder, the screen
// state, the focus numbers, the help lines, the timed messages, the report of every save,
// and the refreshes one area asks of another. Areas never reach into each other's widgets;
// they go through these.

#include "form/area_hook.h"
#include "form/focus_table.h"
#include "form/form_state.h"
#include "form/help_area.h"
#include "form/timed_messages.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/file_io.h"
#include "store/league_model.h"
#include "store/save_log.h"
#include "store/save_result.h"

struct FormServices {
    FormServices(LeagueModel& m, FormState& s, const DataDir& d, FocusTable& f, HelpArea& h, TimedMessages& t)
        : model(m), state(s), dir(d), focus(f), help(h), messages(t) {}
    FormServices(const FormServices&) = delete;
    FormServices& operator=(const FormServices&) = delete;

    LeagueModel& model;
    FormState& state;
    const DataDir& dir;
    FocusTable& focus;
    HelpArea& help;
    TimedMessages& messages;

    // Reloads the group table and the team list of currentGroup in termSlotIndex.
    AreaHook<void()> showGroup{"showGroup"};
    // Shows the counts of the header line again (teams of the shown term, suspended teams).
    AreaHook<void()> showCounts{"showCounts"};
    // Shows the whole header line again: the year field, the term marks, the club name, the counts.
    AreaHook<void()> showHeader{"showHeader"};
    // Opens the command panel, or closes it when it is open.
    AreaHook<void()> toggleCommandPanel{"toggleCommandPanel"};
    // Opens the change-over screen that will create the given term.
    AreaHook<void(int year, int half)> openChangeOver{"openChangeOver"};
    // Shows that saves fail and nothing is being kept (a line that stays on screen), and
    // takes the line away again once a save has gone through.
    AreaHook<void()> showNothingSaved{"showNothingSaved"};
    AreaHook<void()> clearNothingSaved{"clearNothingSaved"};

    // The guard every entry handler of an ordinary field runs first: while a panel is open
    // the entry is refused with the timed message, and the caller returns at once.
    bool refuseWhilePanelOpen() {
        if (!state.anyPanelOpen()) return false;
        messages.showPanelOpenMessage();
        return true;
    }

    // Every save reports here. A failed one is shown with a timed message naming the file
    // and its cause, and logged; when nothing has been written yet in this run, the user is
    // also told that nothing is being saved. Returns whether the save succeeded.
    bool reportSave(const SaveResult& r) {
        if (r.ok()) {
            if (nothingSavedShown_ && fileio::writesDone() != writesAtStart_) {
                nothingSavedShown_ = false;
                clearNothingSaved();
            }
            return true;
        }
        messages.showSaveFailure(r);
        logSaveFailure(dir, r, currentDateTime());
        if (fileio::writesDone() == writesAtStart_) {
            nothingSavedShown_ = true;
            showNothingSaved();
        }
        return false;
    }
    // Start-up is over: writes from here on are the user's. The log of failed saves gets its
    // room now, while the disk has it.
    void startCountingSaves() {
        writesAtStart_ = fileio::writesDone();
        reserveSaveLog(dir);
    }

private:
    long writesAtStart_ = 0;
    bool nothingSavedShown_ = false;
};
