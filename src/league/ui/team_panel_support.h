#pragma once
// What the withdrawal, suspension and return panels share: the calls they make into the team
// list and the group table, the text that names the mode, and how an outcome is told.

#include <QString>
#include <vector>

#include "form/area_hook.h"
#include "league/suspension.h"

struct FormServices;
struct LeagueModel;

struct TeamPanelHooks {
    // Row n's frame lime while a panel acts on its team; otherwise the current team's red.
    AreaHook<void(int n, bool actedOn)> markTeamRow{"markTeamRow"};
    // Whether the group table keeps its ranks by hand.
    AreaHook<bool()> ranksKeptByHand{"ranksKeptByHand"};
};

// "★ ほかの 級・部 に連動します ★" or "★ 同 休・部 内だけ影響します ★".
QString modeText(bool linked);

// The one wording of the limit of 100 suspended teams.
QString suspendedLimitMessage();

// The groups a change will re-form, by their letters as the screen shows them:
// "1A〜3B の 6 部が変わります", "2A の 1 部だけが変わります"; empty for none.
QString changedGroupsText(const LeagueModel& m, const std::vector<int>& groupSlots);

// Tells the user why an operation changed nothing: a timed message for a refusal, the failed
// file for a save. A change that was saved goes to the save report as well (it takes back the
// line that says nothing is being saved); one with nothing to do is not told.
void reportLineUp(FormServices& s, const LineUpResult& r);
