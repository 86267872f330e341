#pragma once
// What the screens keep about themselves, as opposed to the league: which field has the
// focus, which panels are open, what the help area shows. Owned by the main form.

#include "form/focus_codes.h"

struct FormState {
    int focusCode = focus::Year;           // the field that has, or last had, the focus
    int commandReturnFocus = focus::Year;  // focusCode when the command panel opened
    int selectedCommand = 8;               // highlighted row of the command panel
    int panelOpen = 0;                     // a modal panel is open
    int sidePanelOpen = 0;                 // a sub-panel of the change-over screen is open
    int enterCommitted = 0;                // the focused field was just written by [Enter]
    int manualHint = 0;                    // which text the hint under the help memo shows
    int gridHelpShown = 0;                 // the cross table's pointer help is shown
    bool ranksKeptByHand = false;          // the cross table's 順位計算しない is ticked

    bool anyPanelOpen() const { return panelOpen || sidePanelOpen; }
};
