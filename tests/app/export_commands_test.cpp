// F5 and F6 of the command panel as the organiser uses them: both reports of the shown term
// as PDF files in Print/ and as CSV files in Export/, a message naming the files, the panel
// closed and the focus back where it was.

#include <QFrame>
#include <QProcess>
#include <QTimer>
#include <filesystem>

#include "form/timed_messages.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"

namespace {

// The text of a PDF and its number of pages.
struct PdfText {
    QString text;
    int pages = 0;
};

PdfText pdfText(const std::string& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QString::fromStdString(path), QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    PdfText out;
    out.text = QString::fromUtf8(p.readAllStandardOutput());
    out.pages = int(out.text.count(QLatin1Char('\f')));
    return out;
}

class ExportCommands : public FormTest {
protected:
    // Six groups of eight teams, newest term 2026後期.
    void prepareFiles() override { layLeague(folder_); }
    std::string message() {
        QTimer* timer = form_->messages().saveErrorTimer();
        if (!timer->isActive()) return "(no message)";
        QMetaObject::invokeMethod(timer, "timeout");
        return form_->messages().messageText().toStdString();
    }
    bool panelOpen() const { return child<QFrame>("Panel_Command")->isVisible(); }
};

TEST_F(ExportCommands, F5SavesBothReportsAsPdfFilesAndNamesThem) {
    key(Qt::Key_Escape);
    key(Qt::Key_F5);
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(message(), "■PDFに保存しました：Print/勝敗表_2026後期.pdf、Print/チーム一覧_2026後期.pdf■");
    EXPECT_EQ(focusName(), "Edit_Year");

    const PdfText sheet = pdfText(folder_.path("Print/勝敗表_2026後期.pdf"));
    EXPECT_EQ(sheet.pages, 1);  // six blocks of eight to a page
    for (const char* group : {"A級", "F級"}) EXPECT_TRUE(sheet.text.contains(QString::fromUtf8(group))) << group;
    const PdfText list = pdfText(folder_.path("Print/チーム一覧_2026後期.pdf"));
    EXPECT_EQ(list.pages, 2);  // 48 teams, 45 to a page
    EXPECT_TRUE(list.text.contains(QStringLiteral("チーム一覧"))) << list.text.toStdString();
    EXPECT_TRUE(list.text.contains(QStringLiteral("全 6リーグ 48チーム"))) << list.text.toStdString();
    EXPECT_TRUE(list.text.contains(QStringLiteral("代表48")));
}

TEST_F(ExportCommands, AClickOnTheSixthCommandWritesBothCsvFiles) {
    key(Qt::Key_Escape);
    click(child<QWidget>("Label_CommandName_06"));
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(message(), "■CSVに書き出しました：Export/勝敗表_2026後期.csv、Export/チーム一覧_2026後期.csv■");
    const std::string csv = folder_.read("Export/チーム一覧_2026後期.csv");
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 48);
}

TEST_F(ExportCommands, AFolderInTheWayIsNamedAndNothingIsSaidSaved) {
    folder_.write("Export", "a file");
    key(Qt::Key_Escape);
    key(Qt::Key_F6);
    EXPECT_EQ(message(), "■CSVを書き出せません：フォルダ Export を作成できません■");
}

class ExportEmptyTerm : public FormTest {
protected:
    // Groups named, a term stored, no team typed in yet.
    void prepareFiles() override {
        layLeague(folder_, LeagueShape{.groups = 3, .teamsPerGroup = 0, .terms = 1, .suspended = 0, .rules = 0});
    }
};

TEST_F(ExportEmptyTerm, F5SavesNothingEmptyAndSaysWhy) {
    key(Qt::Key_Escape);
    key(Qt::Key_F5);
    QMetaObject::invokeMethod(form_->messages().saveErrorTimer(), "timeout");
    EXPECT_EQ(form_->messages().messageText(),
              QStringLiteral("■表示中の節にはチームがないため、PDFに保存するものがありません■"));
    EXPECT_FALSE(folder_.exists("Print"));
}

}  // namespace
