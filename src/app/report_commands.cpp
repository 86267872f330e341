#include "app/report_commands.h"

#include "form/form_services.h"
#include "print/csv_export.h"
#include "print/ui/export_commands.h"
#include "print/ui/print_reports.h"
#include "print/web_page_export.h"

namespace {

// The day the program was started, printed in the team list's title line.
ListDate today(const LeagueModel& m) {
    return ListDate{m.todayYear, m.todayMonth, m.todayDay};
}

}  // namespace

ReportCommands::ReportCommands(QObject* parent, FormServices& services) : QObject(parent), s_(services) {
    connect(&s_.commands, &FormCommands::printStandings, this, &ReportCommands::printStandings);
    connect(&s_.commands, &FormCommands::printTeamList, this, &ReportCommands::printTeamList);
    connect(&s_.commands, &FormCommands::savePdfs, this, &ReportCommands::savePdfs);
    connect(&s_.commands, &FormCommands::exportCsv, this, &ReportCommands::exportCsv);
    connect(&s_.commands, &FormCommands::saveWebPage, this, &ReportCommands::saveWebPage);
}

void ReportCommands::printStandings() {
    s_.savedFiles.tell(printNotice(printStandingsSheet(s_.model, s_.dir)));
}

void ReportCommands::printTeamList() {
    s_.savedFiles.tell(printNotice(::printTeamList(s_.model, s_.dir, today(s_.model))));
}

void ReportCommands::savePdfs() {
    s_.savedFiles.tell(pdfPairNotice(saveReportsAsPdf(s_.model, s_.dir, today(s_.model))));
}

void ReportCommands::exportCsv() {
    s_.savedFiles.tell(csvExportNotice(::exportCsv(s_.model, s_.dir), s_.dir));
}

void ReportCommands::saveWebPage() {
    s_.savedFiles.tell(webPageNotice(exportWebPage(s_.model, s_.dir), s_.dir));
}
