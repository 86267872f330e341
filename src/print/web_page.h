#pragma once
// The standings of the term being shown as one web page to put on a league's homepage: a
// single UTF-8 file with its style inside, no scripts and nothing fetched from elsewhere.
// Each group's cross table carries the marks, wins, losses, draws, points, rate and rank as
// the screen shows them; on a phone each table scrolls sideways in its own box. The page is
// made from the standings alone, which hold team names and results and no contact detail.

#include <string>
#include <string_view>

#include "print/report_data.h"

// The whole page, dated as given.
std::string standingsWebPage(const StandingsSheetData& data, ListDate date);

// Text made safe to stand in HTML, in an element or in a quoted attribute.
std::string htmlEscape(std::string_view utf8);

// "勝敗表_2026前期.html"; "勝敗表.html" when the term has no year.
std::string webPageFileName(const TermLabel& term);
