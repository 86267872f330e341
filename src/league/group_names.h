#pragma once
// The class (級) and division (部) letters that name the 20 groups.

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class GroupColumn { Class, Division };

// The byte a letter box stores: the first byte of what was typed, a blank for nothing.
char groupLetterFromText(std::string_view sjisText);

// Sets the letter of group slot (0..19) and writes Data/League.001 at once, so that a
// letter survives even a program that never closes normally. A letter that did not change
// is not written again. When the file cannot take it, the letter keeps its stored value.
SaveResult storeGroupLetter(LeagueModel& m, const DataDir& dir, int slot, GroupColumn column, char letter);

// A group as the messages and lists name it, in Shift-JIS: its letters without blanks
// ("A1"), or its place ("3番目") when it has none.
std::string groupLabel(const LeagueModel& m, int slot);
