#pragma once
// The two reports as CSV files for a spreadsheet: the standings of every group and the
// team list with every contact detail, of the term being shown. Texts lose only the blanks
// that pad them to their field widths; counts are plain numbers.

#include <string>
#include <string_view>

#include "print/report_data.h"
#include "print/report_file_name.h"

// Group by group, each under a heading line of its own and after an empty line: letters,
// row, team name, wins, losses, draws, points, win rate, rank, and the result against each
// team of the group as ○ × △ or empty, in columns headed "対" and the opponent's name.
// Groups without a team are left out.
std::string standingsCsv(const StandingsSheetData& data);

// Letters, team name, representative, mobile, telephone, fax, postal code, prefecture,
// city, street number, building, e-mail and memo; one line per team, a heading line first.
std::string teamListCsv(const TeamListData& data);

// "勝敗表_2026前期.csv"; "勝敗表.csv" when the term has no year.
std::string csvFileName(Report report, const TermLabel& term);

// A stored Shift-JIS field as a CSV text: UTF-8, without the half-width blanks (or NULs)
// that pad it at the end.
std::string csvText(std::string_view sjisField);
