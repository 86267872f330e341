#pragma once
// The standings sheet: one block per group, a cross table of its teams with their results,
// counts and rank; eight blocks to an A4 landscape page, four across and two down.

#include <array>
#include <string>
#include <string_view>

#include "print/print_canvas.h"
#include "print/report_data.h"

// True when at least one group has a team in its first row, so that a block gets printed.
bool standingsSheetHasBlocks(const StandingsSheetData& data);

// Draws the whole document: begin, the pages, end. False when the canvas failed.
bool layOutStandingsSheet(const StandingsSheetData& data, const PageGeometry& geometry, PrintCanvas& canvas);

// The ten two-byte cells of a team name written downwards. A cell never holds half a
// character: a double-byte character that would straddle two cells moves to the next one.
// "ー" and "－" turn into "｜" so that they read as a stroke down the column.
std::array<std::string, 10> verticalNameCells(std::string_view name);
