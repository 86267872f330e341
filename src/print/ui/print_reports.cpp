#include "print/ui/print_reports.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <functional>

#include "print/report_file_name.h"
#include "print/standings_sheet_layout.h"
#include "print/standings_sheet_source.h"
#include "print/team_list_layout.h"
#include "print/team_list_source.h"
#include "print/ui/pdf_file.h"
#include "print/ui/printer_setup.h"
#include "print/ui/qt_print_canvas.h"
#include "store/sjis.h"
#include "store/text_ops.h"

namespace {

using LayOut = std::function<bool(const PageGeometry&, PrintCanvas&)>;

struct Job {
    Report report;
    TermLabel term;
    std::string clubName;  // Shift-JIS, as stored
};

QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

// "勝敗表 2026前期 <club>": the print job's name and the PDF's title.
QString documentName(const Job& job) {
    QString name = fromUtf8(reportTitle(job.report));
    const std::string term = termName(job.term);
    if (!term.empty()) name += QLatin1Char(' ') + fromUtf8(term);
    const std::string club = trimField(job.clubName);
    if (!club.empty()) name += QLatin1Char(' ') + fromUtf8(sjis::toUnicode(club));
    return name;
}

PrintOutcome failed(PrintOutcome out, const QString& reason) {
    out.kind = PrintOutcome::Failed;
    out.reason = reason;
    return out;
}

PrintOutcome savePdf(PrintOutcome out, const DataDir& dir, const Job& job, const LayOut& layOut) {
    PdfFile pdf(dir.root(), fromUtf8(reportFileName(job.report, job.term)));
    out.pdfPath = pdf.finalPath();
    QString reason;
    if (!pdf.prepare(&reason)) return failed(out, reason);
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(pdf.tempPath());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setDocName(documentName(job));
        printer.setCreator(QStringLiteral("Tallyfold"));
        const PageGeometry geometry = setUpPrinter(printer);
        QtPrintCanvas canvas(printer);
        if (!layOut(geometry, canvas)) return failed(out, QStringLiteral("PDFファイルを書き込めません"));
    }
    if (!pdf.commit(&reason)) return failed(out, reason);
    out.kind = PrintOutcome::SavedPdf;
    return out;
}

PrintOutcome run(const DataDir& dir, const Job& job, PrintTarget target, const LayOut& layOut) {
    PrintOutcome out;
    out.report = fromUtf8(reportTitle(job.report));
    if (target == PrintTarget::DefaultPrinterOrPdf) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            QPrinter printer(info, QPrinter::HighResolution);
            printer.setDocName(documentName(job));
            const PageGeometry geometry = setUpPrinter(printer);
            QtPrintCanvas canvas(printer);
            if (layOut(geometry, canvas)) {
                out.kind = PrintOutcome::Printed;
                out.printerName = info.printerName();
                return out;
            }
            // Once anything has gone to the printer a second copy as PDF would only confuse.
            if (canvas.begun()) return failed(out, QStringLiteral("プリンタ %1 に送れません").arg(info.printerName()));
            out.printerRefused = true;
        }
    }
    return savePdf(out, dir, job, layOut);
}

PrintOutcome unreadableResults(Report report) {
    PrintOutcome out;
    out.report = fromUtf8(reportTitle(report));
    return failed(out, QStringLiteral("成績ファイル Data/Seiseki.001 を読めません"));
}

PrintOutcome nothingToPrint(Report report) {
    PrintOutcome out;
    out.kind = PrintOutcome::NothingToPrint;
    out.report = fromUtf8(reportTitle(report));
    return out;
}

}  // namespace

PrintOutcome printStandingsSheet(const LeagueModel& m, const DataDir& dir, PrintTarget target) {
    const std::optional<StandingsSheetData> data = gatherStandingsSheet(m, dir);
    if (!data) return unreadableResults(Report::StandingsSheet);
    if (!standingsSheetHasBlocks(*data)) return nothingToPrint(Report::StandingsSheet);
    const Job job{Report::StandingsSheet, data->term, data->clubName};
    return run(dir, job, target,
               [&](const PageGeometry& g, PrintCanvas& c) { return layOutStandingsSheet(*data, g, c); });
}

PrintOutcome printTeamList(const LeagueModel& m, const DataDir& dir, ListDate today, PrintTarget target) {
    const std::optional<TeamListData> data = gatherTeamList(m, dir, today);
    if (!data) return unreadableResults(Report::TeamList);
    if (data->rows.empty()) return nothingToPrint(Report::TeamList);
    const Job job{Report::TeamList, data->term, data->clubName};
    return run(dir, job, target, [&](const PageGeometry& g, PrintCanvas& c) { return layOutTeamList(*data, g, c); });
}

QString printOutcomeMessage(const PrintOutcome& o) {
    switch (o.kind) {
        case PrintOutcome::Printed:
            return QStringLiteral("■%1をプリンタ %2 に送りました■").arg(o.report, o.printerName);
        case PrintOutcome::SavedPdf:
            if (o.printerRefused)
                return QStringLiteral("■プリンタを使えないため、%1をPDFに保存しました■").arg(o.report);
            return QStringLiteral("■%1をPDFに保存しました■").arg(o.report);
        case PrintOutcome::NothingToPrint:
            return QStringLiteral("■%1に印刷するチームがありません■").arg(o.report);
        case PrintOutcome::Failed:
            break;
    }
    if (!o.pdfPath.isEmpty()) return QStringLiteral("■%1のPDFを保存できません：%2■").arg(o.report, o.reason);
    return QStringLiteral("■%1を印刷できません：%2■").arg(o.report, o.reason);
}
