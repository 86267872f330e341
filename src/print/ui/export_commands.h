#pragma once
// F5, F6 and F7 of the command panel: both reports of the term being shown saved as PDF files
// in Print/, whether or not a printer is installed, both written as CSV files in Export/, and
// the standings as a web page in Export/. Each gives what the screen says when it is done:
// what was saved, with the files' paths, and what was not.

#include <QString>

#include "form/saved_file_message.h"
#include "print/csv_export.h"
#include "print/report_data.h"
#include "print/ui/print_reports.h"
#include "print/web_page_export.h"
#include "store/data_dir.h"
#include "store/league_model.h"

struct PdfPair {
    PrintOutcome sheet;
    PrintOutcome list;
};

// today: the day the program was started, printed in the team list's title line.
PdfPair saveReportsAsPdf(const LeagueModel& m, const DataDir& dir, ListDate today);

// F1 or F3: "■勝敗表をPDFに保存しました■" with the file; a printer or a failure plainly.
CommandNotice printNotice(const PrintOutcome& outcome);

// "■PDFに保存しました■" with both files.
CommandNotice pdfPairNotice(const PdfPair& pdfs);

// "■CSVに書き出しました■" with both files.
CommandNotice csvExportNotice(const CsvExport& out, const DataDir& dir);

// "■Webページを保存しました■" with the page.
CommandNotice webPageNotice(const WebPageExport& out, const DataDir& dir);

// F5, F6 and F7 on a term without a team.
QString nothingToSaveMessage();
