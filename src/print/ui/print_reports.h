#pragma once
// The two printouts as the command panel starts them: the standings sheet and the team list
// of the term being shown. Each goes to the system's default printer when there is one and
// is saved as a PDF in the working folder's Print/ folder otherwise. The outcome says which,
// or why nothing came out, so the screen can tell the user.

#include <QString>

#include "print/report_data.h"
#include "store/data_dir.h"
#include "store/league_model.h"

enum class PrintTarget {
    DefaultPrinterOrPdf,  // what the commands do
    PdfOnly,              // never a printer: tests and benchmarks
};

struct PrintOutcome {
    enum Kind { Printed, SavedPdf, NothingToPrint, Failed };
    Kind kind = Failed;
    QString report;               // "勝敗表" or "チーム一覧"
    QString printerName;          // Printed: where it went
    QString pdfPath;              // SavedPdf: the full path of the file; Failed: the file it was to be
    bool printerRefused = false;  // SavedPdf: a default printer was there but could not be opened
    QString reason;               // Failed: what went wrong, for the user
};

PrintOutcome printStandingsSheet(const LeagueModel& m, const DataDir& dir,
                                 PrintTarget target = PrintTarget::DefaultPrinterOrPdf);

// today: the day the program was started, printed in the title line.
PrintOutcome printTeamList(const LeagueModel& m, const DataDir& dir, ListDate today,
                           PrintTarget target = PrintTarget::DefaultPrinterOrPdf);

// The one-line message for the timed message panel, e.g. "■勝敗表をPDFに保存しました■";
// the message that says so names the file (pdfPath) under it.
QString printOutcomeMessage(const PrintOutcome& outcome);
