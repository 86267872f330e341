// Both reports end to end as PDF files in the working folder's Print/ folder, read back with
// pdftotext and pdftoppm: positions on paper within half a millimetre, nothing near the
// paper's edge, and every way a save can fail.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <filesystem>

#include "print/league_files.h"
#include "print/ui/print_reports.h"
#include "print/ui/printer_setup.h"

namespace {

struct Word {
    int page = 0;
    double xMm = 0, yMm = 0, rightMm = 0, bottomMm = 0;
    QString text;
};

struct PdfWords {
    std::vector<Word> words;
    int pages = 0;
    double widthMm = 0, heightMm = 0;  // of the first page
};

double pointsToMm(const QString& points) {
    return points.toDouble() * 25.4 / 72;
}

// Every word of the file with its box in millimetres from the paper's top-left corner.
PdfWords pdfWords(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    PdfWords out;
    static const QRegularExpression tag(QString::fromLatin1(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            if (out.pages++ == 0) out.widthMm = pointsToMm(m.captured(1)), out.heightMm = pointsToMm(m.captured(2));
            continue;
        }
        out.words.push_back({out.pages - 1, pointsToMm(m.captured(3)), pointsToMm(m.captured(4)),
                             pointsToMm(m.captured(5)), pointsToMm(m.captured(6)), m.captured(7)});
    }
    return out;
}

int pages(const PdfWords& pdf) {
    return pdf.pages;
}

// A PDF is drawn as for an office printer, whose printable area starts 1/6 inch from the
// paper's corner; the layouts' positions are counted from there.
constexpr double kMarginMm = 25.4 / 6;

// The word on the page that begins within half a millimetre of (x, y) of the layout.
QString wordAt(const PdfWords& pdf, int page, double x, double y) {
    for (const Word& w : pdf.words)
        if (w.page == page && std::abs(w.xMm - kMarginMm - x) <= 0.5 && std::abs(w.yMm - kMarginMm - y) <= 0.5)
            return w.text;
    return QStringLiteral("<none>");
}

// The words whose box comes closer than `mm` to an edge of the paper.
QStringList wordsNearTheEdge(const PdfWords& pdf, double mm) {
    QStringList near;
    for (const Word& w : pdf.words)
        if (w.xMm < mm || w.yMm < mm || w.rightMm > pdf.widthMm - mm || w.bottomMm > pdf.heightMm - mm)
            near << QStringLiteral("page %1 (%2, %3) %4").arg(w.page + 1).arg(w.xMm).arg(w.yMm).arg(w.text);
    return near;
}

// Pages rendered at 100 dots per inch in grey, and the pages with anything darker than paper
// white (text, lines) closer than `mm` to an edge.
QStringList pagesInkedNearTheEdge(const QString& pdf, const QString& folder, double mm) {
    const QString prefix = folder + QStringLiteral("/page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"), pdf, prefix});
    EXPECT_TRUE(p.waitForFinished(60000));
    QStringList inked;
    const QStringList files = QDir(folder).entryList({QStringLiteral("page*.pgm")}, QDir::Files, QDir::Name);
    EXPECT_FALSE(files.isEmpty());
    for (const QString& f : files) {
        QImage page(folder + QLatin1Char('/') + f);
        const int band = int(std::ceil(mm * 100 / 25.4));
        for (int y = 0; y < page.height(); ++y) {
            const bool edgeRow = y < band || y >= page.height() - band;
            for (int x = 0; x < page.width(); ++x) {
                if (!edgeRow && x >= band && x < page.width() - band) continue;
                if (qGray(page.pixel(x, y)) < 250) {
                    inked << QStringLiteral("%1 at (%2, %3) px").arg(f).arg(x).arg(y);
                    x = page.width();
                    y = page.height();
                }
            }
        }
    }
    return inked;
}

constexpr double kHalfWidthMm = 9 * 0.5 * 25.4 / 72;  // one blank of a 9-point fixed-pitch font

class PdfOutput : public ::testing::Test {
protected:
    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m = modelWithGroups(20);

    std::vector<std::string> printFolder() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(t.path("Print")))
            names.push_back(e.path().filename().string());
        return names;
    }
};

TEST(PrinterSetup, OneA4LandscapeCopyDrawnFromThePaperCornerAsForAnOfficePrinter) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setCopyCount(3);
    const PageGeometry g = setUpPrinter(printer);
    EXPECT_EQ(g.dpiX, printer.resolution());
    EXPECT_GE(g.dpiX, 600);
    // 1/6 inch on both axes, not the zero margins of a PDF page.
    EXPECT_EQ(g.offsetX, g.dpiX / 6);
    EXPECT_EQ(g.offsetY, g.dpiY / 6);
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_TRUE(printer.fullPage());
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PdfOutput, TheStandingsSheetIsSavedForTheTermWithItsBlocksInPlace) {
    LeagueFiles("381").league(20).writeTo(t);
    const PrintOutcome out = printStandingsSheet(m, dir, PrintTarget::PdfOnly);
    ASSERT_EQ(out.kind, PrintOutcome::SavedPdf) << out.reason.toStdString();
    EXPECT_EQ(out.pdfPath, QString::fromStdString(t.path("Print/勝敗表_2026後期.pdf")));
    EXPECT_EQ(printOutcomeMessage(out), QStringLiteral("■勝敗表をPDFに保存しました■"));

    const auto words = pdfWords(out.pdfPath);
    EXPECT_EQ(pages(words), 3);
    // Column 2, row 1 of the first page: group G, block origin (142, 102).
    const double bx = 142, by = 102;
    EXPECT_EQ(wordAt(words, 0, bx + kHalfWidthMm, by + 7), QStringLiteral("G級"));
    EXPECT_EQ(wordAt(words, 0, bx + 6 * kHalfWidthMm, by + 7), QStringLiteral("7部"));
    // Its third team "Gチーム3": △ and ○ against rows 1 and 2 (cells close enough to read as
    // one word), 3 wins and 10 points.
    const double y = by + 54 + 8;
    EXPECT_EQ(wordAt(words, 0, bx + 1, y), QStringLiteral("G"));
    EXPECT_TRUE(wordAt(words, 0, bx + 5, y).startsWith(QStringLiteral("△○")));
    EXPECT_EQ(wordAt(words, 0, bx + 45 + kHalfWidthMm, y), QStringLiteral("3"));
    EXPECT_EQ(wordAt(words, 0, bx + 57, y), QStringLiteral("10"));
    EXPECT_EQ(wordAt(words, 0, bx + 4 * 3 + 1, by + 12 + 4), QStringLiteral("チ"));
    // The last group on the third page, column 3.
    EXPECT_EQ(wordAt(words, 2, 212 + kHalfWidthMm, -3 + 7), QStringLiteral("T級"));
    EXPECT_EQ(printFolder(), std::vector<std::string>{"勝敗表_2026後期.pdf"});
}

TEST_F(PdfOutput, TheTeamListIsSavedWithItsRowsInPlace) {
    LeagueFiles f("380");
    f.league(20);
    f.contacts(12, "Bチーム2",
               {"鈴木一郎", "090-1111-2222", "03-3333-4444", "03-5555-6666", "新宿区", "西新宿2-8-1", ""});
    f.writeTo(t);
    const PrintOutcome out = printTeamList(m, dir, {2026, 4, 5}, PrintTarget::PdfOnly);
    ASSERT_EQ(out.kind, PrintOutcome::SavedPdf) << out.reason.toStdString();
    EXPECT_TRUE(out.pdfPath.endsWith(QStringLiteral("/Print/チーム一覧_2026前期.pdf")));

    const auto words = pdfWords(out.pdfPath);
    EXPECT_EQ(pages(words), 5);
    EXPECT_EQ(wordAt(words, 0, 11, 1), QStringLiteral("2026年"));
    EXPECT_EQ(wordAt(words, 0, 11, 7), QStringLiteral("級部"));  // the two letter headings touch
    EXPECT_EQ(wordAt(words, 0, 154, 7), QStringLiteral("住所"));
    // Row 12 of the first page: Bチーム2, with its own contacts.
    const double y = -3 + 14 + 4 * 11;
    EXPECT_EQ(wordAt(words, 0, 11 + 10 * 25.4 / 1200, y), QStringLiteral("B"));
    EXPECT_EQ(wordAt(words, 0, 15, y), QStringLiteral("2"));
    EXPECT_EQ(wordAt(words, 0, 19, y), QStringLiteral("Bチーム2"));
    EXPECT_EQ(wordAt(words, 0, 54, y), QStringLiteral("鈴木一郎"));
    EXPECT_EQ(wordAt(words, 0, 82, y), QStringLiteral("090-1111-2222"));
    EXPECT_EQ(wordAt(words, 0, 106, y), QStringLiteral("03-3333-4444"));
    EXPECT_EQ(wordAt(words, 0, 130, y), QStringLiteral("03-5555-6666"));
    EXPECT_EQ(wordAt(words, 0, 154, y), QStringLiteral("新宿区西新宿2-8-1"));
    // The 200th team is the 20th row of the fifth page.
    EXPECT_EQ(wordAt(words, 4, 19, -3 + 14 + 4 * 19), QStringLiteral("Tチーム10"));
}

TEST_F(PdfOutput, NothingOnEitherReportComesWithin4mmOfThePapersEdge) {
    LeagueFiles f("381");
    f.league(20);
    // The longest fields a row can hold, and an address as long as Japanese ones get.
    f.contacts(1, leagueTeamName(0, 0),
               {"代表者名八文字だ", "090-1234-5678", "0123-45-6789", "0123-45-6780", "千代田区", "丸の内一丁目１番１号",
                "パレスビル５階"});
    f.contacts(200, leagueTeamName(19, 9),
               {"山田　太郎", "080-1111-2222", "03-3333-4444", "03-5555-6666", "西多摩郡奥多摩町", "日原１２３４", ""});
    f.writeTo(t);
    std::filesystem::create_directory(t.path("sheet"));
    std::filesystem::create_directory(t.path("list"));
    const PrintOutcome sheet = printStandingsSheet(m, dir, PrintTarget::PdfOnly);
    const PrintOutcome list = printTeamList(m, dir, {2026, 10, 5}, PrintTarget::PdfOnly);
    ASSERT_EQ(sheet.kind, PrintOutcome::SavedPdf) << sheet.reason.toStdString();
    ASSERT_EQ(list.kind, PrintOutcome::SavedPdf) << list.reason.toStdString();
    for (const auto& [pdf, pageFolder] : {std::pair{sheet.pdfPath, "sheet"}, std::pair{list.pdfPath, "list"}}) {
        const PdfWords words = pdfWords(pdf);
        EXPECT_NEAR(words.widthMm, 297, 0.5);
        EXPECT_NEAR(words.heightMm, 210, 0.5);
        EXPECT_EQ(wordsNearTheEdge(words, 4.0), QStringList()) << pageFolder;
        // Lines too, which pdftotext does not see.
        EXPECT_EQ(pagesInkedNearTheEdge(pdf, QString::fromStdString(t.path(pageFolder)), 4.0), QStringList())
            << pageFolder;
    }
    // The team list's title, 1 mm below the layout's origin, lies 5.2 mm from the top.
    EXPECT_EQ(wordAt(pdfWords(list.pdfPath), 0, 11, 1), QStringLiteral("2026年10月"));
}

TEST_F(PdfOutput, APrintAgainReplacesTheFileAndLeavesNothingElseBehind) {
    LeagueFiles().league(2).writeTo(t);
    ASSERT_EQ(printStandingsSheet(m, dir, PrintTarget::PdfOnly).kind, PrintOutcome::SavedPdf);
    LeagueFiles().league(1).writeTo(t);
    const PrintOutcome again = printStandingsSheet(m, dir, PrintTarget::PdfOnly);
    ASSERT_EQ(again.kind, PrintOutcome::SavedPdf);
    EXPECT_EQ(printFolder(), std::vector<std::string>{"勝敗表_2026前期.pdf"});
    EXPECT_EQ(wordAt(pdfWords(again.pdfPath), 0, 72 + kHalfWidthMm, 4), QStringLiteral("<none>"));
}

TEST_F(PdfOutput, NothingIsWrittenWhenThereIsNothingToPrintOrNoResultsFile) {
    const PrintOutcome missing = printStandingsSheet(m, dir, PrintTarget::PdfOnly);
    EXPECT_EQ(missing.kind, PrintOutcome::Failed);
    EXPECT_EQ(printOutcomeMessage(missing),
              QStringLiteral("■勝敗表を印刷できません：成績ファイル Data/Seiseki.001 を読めません■"));
    EXPECT_EQ(printTeamList(m, dir, {}, PrintTarget::PdfOnly).kind, PrintOutcome::Failed);

    LeagueFiles().writeTo(t);
    EXPECT_EQ(printStandingsSheet(m, dir, PrintTarget::PdfOnly).kind, PrintOutcome::NothingToPrint);
    EXPECT_EQ(printTeamList(m, dir, {}, PrintTarget::PdfOnly).kind, PrintOutcome::NothingToPrint);
    EXPECT_FALSE(t.exists("Print"));
}

TEST_F(PdfOutput, APrintFolderThatCannotBeMadeIsReported) {
    LeagueFiles().league(1).writeTo(t);
    t.write("Print", "not a folder");
    const PrintOutcome out = printTeamList(m, dir, {2026, 4, 5}, PrintTarget::PdfOnly);
    EXPECT_EQ(out.kind, PrintOutcome::Failed);
    EXPECT_EQ(printOutcomeMessage(out),
              QStringLiteral("■チーム一覧のPDFを保存できません：フォルダ Print を作成できません■"));
    EXPECT_EQ(t.read("Print"), "not a folder");
}

TEST_F(PdfOutput, AReadOnlyWorkingFolderIsReported) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders; the Print-is-a-file case covers this";
    LeagueFiles().league(1).writeTo(t);
    std::filesystem::permissions(t.root(), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const PrintOutcome out = printStandingsSheet(m, dir, PrintTarget::PdfOnly);
    std::filesystem::permissions(t.root(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(out.kind, PrintOutcome::Failed);
    EXPECT_TRUE(printOutcomeMessage(out).startsWith(QStringLiteral("■勝敗表のPDFを保存できません：")));
}

}  // namespace
