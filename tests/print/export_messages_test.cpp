// The messages of F5 and F6 when only part of the work could be done: what was saved is
// named, and what was not is never said to be saved.

#include <gtest/gtest.h>

#include "print/ui/export_commands.h"

namespace {

PrintOutcome outcome(PrintOutcome::Kind kind, const char* report, const char* file = "") {
    PrintOutcome o;
    o.kind = kind;
    o.report = QString::fromUtf8(report);
    o.pdfPath = QStringLiteral("/league/Print/") + QString::fromUtf8(file);
    if (kind == PrintOutcome::Failed) o.reason = QStringLiteral("PDFファイルを書き込めません");
    return o;
}

TEST(ExportMessages, PdfsSavedSkippedOrFailed) {
    const PrintOutcome sheet = outcome(PrintOutcome::SavedPdf, "勝敗表", "勝敗表_2026前期.pdf");
    PdfPair p{sheet, outcome(PrintOutcome::NothingToPrint, "チーム一覧")};
    EXPECT_EQ(pdfPairMessage(p).toStdString(),
              "■PDFに保存しました：Print/勝敗表_2026前期.pdf（チームがないため、チーム一覧は保存しません）■");
    p.list = outcome(PrintOutcome::Failed, "チーム一覧", "チーム一覧_2026前期.pdf");
    EXPECT_EQ(
        pdfPairMessage(p).toStdString(),
        "■Print/勝敗表_2026前期.pdf は保存しました。チーム一覧のPDFを保存できません：PDFファイルを書き込めません■");
    p.sheet = outcome(PrintOutcome::Failed, "勝敗表", "勝敗表_2026前期.pdf");
    EXPECT_EQ(pdfPairMessage(p).toStdString(), "■勝敗表のPDFを保存できません：PDFファイルを書き込めません■");
}

TEST(ExportMessages, CsvWrittenInPart) {
    CsvExport out;
    out.kind = CsvExport::Failed;
    out.failed = "Export/勝敗表_2026前期.csv";
    EXPECT_EQ(csvExportMessage(out).toStdString(), "■Export/勝敗表_2026前期.csv に書き出せませんでした■");
    out.written = {"Export/勝敗表_2026前期.csv"};
    out.failed = "Export/チーム一覧_2026前期.csv";
    EXPECT_EQ(csvExportMessage(out).toStdString(),
              "■Export/勝敗表_2026前期.csv は書き出しました。Export/チーム一覧_2026前期.csv に書き出せませんでした■");
    out.kind = CsvExport::Unreadable;
    EXPECT_EQ(csvExportMessage(out).toStdString(), "■CSVを書き出せません：成績ファイル Data/Seiseki.001 を読めません■");
}

}  // namespace
