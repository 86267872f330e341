#pragma once
// F5 and F6 of the command panel: both reports of the term being shown saved as PDF files in
// Print/, whether or not a printer is installed, and both written as CSV files in Export/.
// Each returns the one-line message that says what was saved, and what was not.

#include <QString>

#include "print/csv_export.h"
#include "print/report_data.h"
#include "print/ui/print_reports.h"
#include "store/data_dir.h"
#include "store/league_model.h"

struct PdfPair {
    PrintOutcome sheet;
    PrintOutcome list;
};

// today: the day the program was started, printed in the team list's title line.
PdfPair saveReportsAsPdf(const LeagueModel& m, const DataDir& dir, ListDate today);

// "■PDFに保存しました：Print/勝敗表_2026前期.pdf、Print/チーム一覧_2026前期.pdf■"
QString pdfPairMessage(const PdfPair& pdfs);

// "■CSVに書き出しました：Export/勝敗表_2026前期.csv、Export/チーム一覧_2026前期.csv■"
QString csvExportMessage(const CsvExport& out);
