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

namespace {

// What an export says, in the words of its kind of file.
struct ExportWording {
    QString done;        // "■CSVに書き出しました■"
    QString cannotSave;  // "CSVを書き出せません"
};

CommandNotice exportNotice(const ExportOutcome& out, const DataDir& dir, const ExportWording& words) {
    CommandNotice n;
    for (const std::string& f : out.written) n.savedFiles << QString::fromStdString(dir.path(f));
    switch (out.kind) {
        case ExportOutcome::Written:
            n.text = words.done;
            return n;
        case ExportOutcome::NothingToExport:
            n.text = nothingToSaveMessage();
            return n;
        case ExportOutcome::Unreadable:
            n.text = QStringLiteral("■%1：成績ファイル Data/Seiseki.001 を読めません■").arg(words.cannotSave);
            return n;
        case ExportOutcome::NoFolder:
            n.text = QStringLiteral("■%1：フォルダ %2 を作成できません■").arg(words.cannotSave, kExportFolder);
            return n;
        case ExportOutcome::Failed:
            break;
    }
    const QString failed = QString::fromStdString(out.failed);
    n.text = out.written.empty()
                 ? QStringLiteral("■%1 に書き出せませんでした■").arg(failed)
                 : QStringLiteral("■%1 に書き出せませんでした。次のファイルは書き出しました■").arg(failed);
    return n;
}

}  // namespace

CommandNotice csvExportNotice(const CsvExport& out, const DataDir& dir) {
    return exportNotice(out, dir, {QStringLiteral("■CSVに書き出しました■"), QStringLiteral("CSVを書き出せません")});
}

CommandNotice webPageNotice(const WebPageExport& out, const DataDir& dir) {
    return exportNotice(out, dir,
                        {QStringLiteral("■Webページを保存しました■"), QStringLiteral("Webページを保存できません")});
}
