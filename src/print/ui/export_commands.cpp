#include "print/ui/export_commands.h"

#include <QStringList>

namespace {

// What a failed save says after "■", without the frame.
QString failure(const PrintOutcome& o) {
    const QString m = printOutcomeMessage(o);
    return m.mid(1, m.size() - 2);
}

}  // namespace

PdfPair saveReportsAsPdf(const LeagueModel& m, const DataDir& dir, ListDate today) {
    PdfPair out;
    out.sheet = printStandingsSheet(m, dir, PrintTarget::PdfOnly);
    out.list = printTeamList(m, dir, today, PrintTarget::PdfOnly);
    return out;
}

QString nothingToSaveMessage() {
    return QStringLiteral("■表示中の節にはチームがないため、保存するものがありません■");
}

CommandNotice printNotice(const PrintOutcome& o) {
    CommandNotice n{printOutcomeMessage(o), {}};
    if (o.kind == PrintOutcome::SavedPdf) n.savedFiles << o.pdfPath;
    return n;
}

CommandNotice pdfPairNotice(const PdfPair& pdfs) {
    CommandNotice n;
    QStringList savedReports;
    for (const PrintOutcome* o : {&pdfs.sheet, &pdfs.list}) {
        if (o->kind != PrintOutcome::SavedPdf) continue;
        n.savedFiles << o->pdfPath;
        savedReports << o->report;
    }
    const PrintOutcome* failed = pdfs.sheet.kind == PrintOutcome::Failed  ? &pdfs.sheet
                                 : pdfs.list.kind == PrintOutcome::Failed ? &pdfs.list
                                                                          : nullptr;
    if (failed) {
        n.text = savedReports.isEmpty() ? printOutcomeMessage(*failed)
                                        : QStringLiteral("■%1は保存しました。%2■")
                                              .arg(savedReports.join(QStringLiteral("と")), failure(*failed));
        return n;
    }
    if (n.savedFiles.isEmpty()) {
        n.text = nothingToSaveMessage();
        return n;
    }
    n.text = QStringLiteral("■PDFに保存しました");
    if (pdfs.list.kind == PrintOutcome::NothingToPrint)
        n.text += QStringLiteral("（チームがないため、チーム一覧は保存しません）");
    else if (pdfs.sheet.kind == PrintOutcome::NothingToPrint)
        n.text += QStringLiteral("（勝敗表に載せる級・部がないため、勝敗表は保存しません）");
    n.text += QStringLiteral("■");
    return n;
}

CommandNotice csvExportNotice(const CsvExport& out, const DataDir& dir) {
    CommandNotice n;
    for (const std::string& f : out.written) n.savedFiles << QString::fromStdString(dir.path(f));
    switch (out.kind) {
        case CsvExport::Written:
            n.text = QStringLiteral("■CSVに書き出しました■");
            return n;
        case CsvExport::NothingToExport:
            n.text = nothingToSaveMessage();
            return n;
        case CsvExport::Unreadable:
            n.text = QStringLiteral("■CSVを書き出せません：成績ファイル Data/Seiseki.001 を読めません■");
            return n;
        case CsvExport::NoFolder:
            n.text = QStringLiteral("■CSVを書き出せません：フォルダ %1 を作成できません■").arg(kExportFolder);
            return n;
        case CsvExport::Failed:
            break;
    }
    const QString failed = QString::fromStdString(out.failed);
    n.text = out.written.empty()
                 ? QStringLiteral("■%1 に書き出せませんでした■").arg(failed)
                 : QStringLiteral("■%1 に書き出せませんでした。次のファイルは書き出しました■").arg(failed);
    return n;
}
