#pragma once
// The words of the change-over screen for places, rules and refusals.

#include <QString>
#include <vector>

#include "league/change_over_arrangement.h"
#include "league/change_over_lineup.h"

// A group slot's letters ("N番目" for a group without them), or the caption of the draft's
// or the revised grid's suspended column.
QString groupText(const LeagueModel& m, int slot, bool draft);

// One side of a rule in its words: the group's letters and rank and "位", or the suspended
// column's caption, row and "行"; a position that is neither reads as its number and "番".
struct PlaceWords {
    QString group;
    int number = 0;
    QString unit;
};
PlaceWords placeWords(const LeagueModel& m, int position, bool draft);

// A rule as the screen reads it, draft cell first: "A1の10位をB2の1位に".
QString ruleText(const LeagueModel& m, const ChangeOverRule& r);

// The message that names the stored rules placing no team this term; empty when there are none.
QString unusedRulesMessage(const LeagueModel& m, const std::vector<UnusedRule>& unused);

// Why the revised line-up cannot be carried out; an empty row names the rule behind it.
QString problemText(const LeagueModel& m, const DraftTeams& teams, const LineUpProblem& p,
                    const std::vector<ChangeOverRule>& rules);
