#pragma once
// What the withdrawal, suspension and return panels share: the request they make of the
// document, the text that names the mode, and how a refusal is told.

#include <QString>
#include <vector>

#include "league/suspension.h"

struct FormServices;
struct LeagueModel;

// Row n (1..10) of the shown group in the shown term, in the mode chosen, with the ranks kept
// as the cross table keeps them.
LineUpRequest lineUpRequest(const FormServices& s, int n);

// "★ ほかの 級・部 に連動します ★" or "★ 同 休・部 内だけ影響します ★".
QString modeText(bool linked);

// The one wording of the limit of 100 suspended teams.
QString suspendedLimitMessage();

// The groups a change will re-form, by their letters as the screen shows them:
// "1A〜3B の 6 部が変わります", "2A の 1 部だけが変わります"; empty for none.
QString changedGroupsText(const LeagueModel& m, const std::vector<int>& groupSlots);

// Tells the user why an operation was refused, with a timed message. Saves have been reported
// by the document; an operation with nothing to do is not told.
void tellRefusal(FormServices& s, const LineUpResult& r);
