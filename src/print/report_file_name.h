#pragma once
// Names of the printed reports, for the PDF file and the print job.

#include <string>
#include <string_view>

#include "print/report_data.h"

enum class Report { StandingsSheet, TeamList };

// "勝敗表" or "チーム一覧" (UTF-8).
std::string reportTitle(Report report);

// "2026前期" for a stored term (the Gregorian year), empty when the term has no year.
std::string termName(const TermLabel& term);

// "勝敗表_2026前期.pdf"; "勝敗表.pdf" when the term has no year. The extension names the kind
// of file (".pdf", ".csv", ".html").
std::string reportFileName(Report report, const TermLabel& term, std::string_view extension = ".pdf");
