#pragma once
// The team list: one row per team with its group letters and contact details, 45 rows to
// an A4 landscape page, each page with its title line, headings and ruled frame.

#include <string>

#include "print/print_canvas.h"
#include "print/report_data.h"

// "2026年 4月 5日現在 チーム一覧  全20リーグ200チーム" in Shift-JIS.
std::string teamListTitle(const TeamListData& data);

// The address column: city, street number and building without their trailing blanks,
// joined with nothing between, at most 100 bytes.
std::string teamListAddress(const TeamContacts& c);

// Draws the whole document: begin, the pages, end. False when the canvas failed.
bool layOutTeamList(const TeamListData& data, const PageGeometry& geometry, PrintCanvas& canvas);
