#pragma once
// What the main form gives every screen area: the league document (the model to read, and the
// operations that change it), the screen state, the focus numbers, the help lines, the timed
// messages and the commands one area asks of another. Areas never reach into each other's
// widgets; they go through these.

#include "form/focus_table.h"
#include "form/form_commands.h"
#include "form/form_state.h"
#include "form/help_area.h"
#include "form/league_document.h"
#include "form/saved_file_message.h"
#include "form/timed_messages.h"

struct FormServices {
    FormServices(LeagueDocument& d, FormState& s, FocusTable& f, HelpArea& h, TimedMessages& t, FormCommands& c,
                 SavedFileMessage& saved)
        : document(d),
          model(d.model()),
          dir(d.dir()),
          state(s),
          focus(f),
          help(h),
          messages(t),
          commands(c),
          savedFiles(saved) {}
    FormServices(const FormServices&) = delete;
    FormServices& operator=(const FormServices&) = delete;

    LeagueDocument& document;
    // Read only: every change goes through the document.
    const LeagueModel& model;
    const DataDir& dir;
    FormState& state;
    FocusTable& focus;
    HelpArea& help;
    TimedMessages& messages;
    FormCommands& commands;
    SavedFileMessage& savedFiles;

    // The guard every entry handler of an ordinary field runs first: while a panel is open
    // the entry is refused with the timed message, and the caller returns at once.
    bool refuseWhilePanelOpen() {
        if (!state.anyPanelOpen()) return false;
        messages.showPanelOpenMessage();
        return true;
    }
};
