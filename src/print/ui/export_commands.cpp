#include "print/ui/export_commands.h"

#include <QFileInfo>
#include <QStringList>

namespace {

QString savedFile(const PrintOutcome& o) {
    return QStringLiteral("Print/") + QFileInfo(o.pdfPath).fileName();
}

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

QString pdfPairMessage(const PdfPair& pdfs) {
    QStringList saved;
    for (const PrintOutcome* o : {&pdfs.sheet, &pdfs.list})
        if (o->kind == PrintOutcome::SavedPdf) saved << savedFile(*o);
    const PrintOutcome* failed = pdfs.sheet.kind == PrintOutcome::Failed  ? &pdfs.sheet
                                 : pdfs.list.kind == PrintOutcome::Failed ? &pdfs.list
                                                                          : nullptr;
    if (failed) {
        if (saved.isEmpty()) return printOutcomeMessage(*failed);
        return QStringLiteral("■%1 は保存しました。%2■").arg(saved.join(QStringLiteral("、")), failure(*failed));
    }
    if (saved.isEmpty()) return QStringLiteral("■表示中の節にはチームがないため、PDFに保存するものがありません■");
    QString message = QStringLiteral("■PDFに保存しました：%1").arg(saved.join(QStringLiteral("、")));
    if (pdfs.list.kind == PrintOutcome::NothingToPrint)
        message += QStringLiteral("（チームがないため、チーム一覧は保存しません）");
    else if (pdfs.sheet.kind == PrintOutcome::NothingToPrint)
        message += QStringLiteral("（勝敗表に載せる級・部がないため、勝敗表は保存しません）");
    return message + QStringLiteral("■");
}

QString csvExportMessage(const CsvExport& out) {
    QStringList written;
    for (const std::string& f : out.written) written << QString::fromStdString(f);
    const QString files = written.join(QStringLiteral("、"));
    switch (out.kind) {
        case CsvExport::Written:
            return QStringLiteral("■CSVに書き出しました：%1■").arg(files);
        case CsvExport::Unreadable:
            return QStringLiteral("■CSVを書き出せません：成績ファイル Data/Seiseki.001 を読めません■");
        case CsvExport::NoFolder:
            return QStringLiteral("■CSVを書き出せません：フォルダ %1 を作成できません■").arg(kExportFolder);
        case CsvExport::Failed:
            break;
    }
    const QString failed = QString::fromStdString(out.failed);
    if (out.written.empty()) return QStringLiteral("■%1 に書き出せませんでした■").arg(failed);
    return QStringLiteral("■%1 は書き出しました。%2 に書き出せませんでした■").arg(files, failed);
}
