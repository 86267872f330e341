// What F1, F3, F5, F6 and F7 say when they are done: the files saved are named by their whole
// path, what was not saved is never said to be saved, and a path reads as its user knows it.

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
    CommandNotice n = pdfPairNotice(p);
    EXPECT_EQ(n.text.toStdString(), "■PDFに保存しました（チームがないため、チーム一覧は保存しません）■");
    EXPECT_EQ(n.savedFiles, QStringList{"/league/Print/勝敗表_2026前期.pdf"});

    p.list = outcome(PrintOutcome::Failed, "チーム一覧", "チーム一覧_2026前期.pdf");
    n = pdfPairNotice(p);
    EXPECT_EQ(n.text.toStdString(),
              "■勝敗表は保存しました。チーム一覧のPDFを保存できません：PDFファイルを書き込めません■");
    EXPECT_EQ(n.savedFiles, QStringList{"/league/Print/勝敗表_2026前期.pdf"});

    p.sheet = outcome(PrintOutcome::Failed, "勝敗表", "勝敗表_2026前期.pdf");
    n = pdfPairNotice(p);
    EXPECT_EQ(n.text.toStdString(), "■勝敗表のPDFを保存できません：PDFファイルを書き込めません■");
    EXPECT_TRUE(n.savedFiles.isEmpty());

    EXPECT_EQ(printNotice(sheet).savedFiles, QStringList{"/league/Print/勝敗表_2026前期.pdf"});
    EXPECT_TRUE(printNotice(p.sheet).savedFiles.isEmpty());
}

TEST(ExportMessages, CsvWrittenInPartOrNotAtAll) {
    const DataDir dir("/league");
    CsvExport out;
    out.kind = CsvExport::Failed;
    out.failed = "Export/勝敗表_2026前期.csv";
    EXPECT_EQ(csvExportNotice(out, dir).text.toStdString(), "■Export/勝敗表_2026前期.csv に書き出せませんでした■");
    out.written = {"Export/勝敗表_2026前期.csv"};
    out.failed = "Export/チーム一覧_2026前期.csv";
    const CommandNotice n = csvExportNotice(out, dir);
    EXPECT_EQ(n.text.toStdString(),
              "■Export/チーム一覧_2026前期.csv に書き出せませんでした。次のファイルは書き出しました■");
    EXPECT_EQ(n.savedFiles, QStringList{"/league/Export/勝敗表_2026前期.csv"});
    out.kind = CsvExport::Unreadable;
    out.written.clear();
    EXPECT_EQ(csvExportNotice(out, dir).text.toStdString(),
              "■CSVを書き出せません：成績ファイル Data/Seiseki.001 を読めません■");
}

TEST(ExportMessages, TheWebPageInItsOwnWords) {
    const DataDir dir("/league");
    WebPageExport out;
    out.kind = WebPageExport::Written;
    out.written = {"Export/勝敗表_2026前期.html"};
    CommandNotice n = webPageNotice(out, dir);
    EXPECT_EQ(n.text.toStdString(), "■Webページを保存しました■");
    EXPECT_EQ(n.savedFiles, QStringList{"/league/Export/勝敗表_2026前期.html"});
    out = WebPageExport{};
    out.kind = WebPageExport::NoFolder;
    n = webPageNotice(out, dir);
    EXPECT_EQ(n.text.toStdString(), "■Webページを保存できません：フォルダ Export を作成できません■");
    EXPECT_TRUE(n.savedFiles.isEmpty());
}

TEST(ExportMessages, F5AndF6SayTheSameOfATermWithoutTeams) {
    PdfPair nothing{outcome(PrintOutcome::NothingToPrint, "勝敗表"),
                    outcome(PrintOutcome::NothingToPrint, "チーム一覧")};
    CsvExport none;
    none.kind = CsvExport::NothingToExport;
    EXPECT_EQ(pdfPairNotice(nothing).text, csvExportNotice(none, DataDir("/league")).text);
    EXPECT_EQ(pdfPairNotice(nothing).text.toStdString(), "■表示中の節にはチームがないため、保存するものがありません■");
}

TEST(ExportMessages, PathsBelowHomeAreWrittenWithATilde) {
    const QString home = QStringLiteral("/home/kimura");
    EXPECT_EQ(pathForUser(QStringLiteral("/home/kimura/Tallyfold/Print/勝敗表_2026後期.pdf"), home),
              QStringLiteral("~/Tallyfold/Print/勝敗表_2026後期.pdf"));
    EXPECT_EQ(pathForUser(QStringLiteral("/home/kimura/./Tallyfold//Print/a.pdf"), home + "/"),
              QStringLiteral("~/Tallyfold/Print/a.pdf"));
    // Only the home folder itself, not a neighbour whose name begins the same way.
    EXPECT_EQ(pathForUser(QStringLiteral("/home/kimura2/Print/a.pdf"), home),
              QStringLiteral("/home/kimura2/Print/a.pdf"));
    EXPECT_EQ(pathForUser(QStringLiteral("/media/usb/リーグ/Print/a.pdf"), home),
              QStringLiteral("/media/usb/リーグ/Print/a.pdf"));
    EXPECT_EQ(pathForUser(QStringLiteral("/srv/league/Export/a.csv"), QStringLiteral("/")),
              QStringLiteral("/srv/league/Export/a.csv"));
}

}  // namespace
