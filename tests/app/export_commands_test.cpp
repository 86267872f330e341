// F5, F6 and F7 of the command panel as the organiser uses them: both reports of the shown term
// as PDF files in Print/ and as CSV files in Export/, the standings as a web page in Export/, a
// message naming the files, the panel closed and the focus back where it was; nothing written
// for a term without teams.

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <filesystem>

#include "form/saved_file_message.h"
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
    // The timed message, when one is on its way.
    std::string message() {
        QTimer* timer = form_->messages().saveErrorTimer();
        if (!timer->isActive()) return "(no message)";
        QMetaObject::invokeMethod(timer, "timeout");
        return form_->messages().messageText().toStdString();
    }
    // The saved-file message: its headline and the files it names, one to a line.
    std::string savedFiles() const {
        if (!child<QFrame>("Panel_SavedFile")->isVisible()) return "(not shown)";
        return (child<QLabel>("Label_SavedFileMessage")->text() + QLatin1Char('\n') +
                child<QLabel>("Label_SavedFileNames")->text())
            .toStdString();
    }
    bool panelOpen() const { return child<QFrame>("Panel_Command")->isVisible(); }
    // The working folder as the message writes it ("~/…" when the test runs below home).
    static std::string shownPath(const std::string& path) {
        return pathForUser(QString::fromStdString(path), QDir::homePath()).toStdString();
    }
};

TEST_F(ExportCommands, F5SavesBothReportsAsPdfFilesAndNamesThem) {
    key(Qt::Key_Escape);
    key(Qt::Key_F5);
    EXPECT_FALSE(panelOpen());
    const std::string root = shownPath(folder_.root());
    EXPECT_EQ(savedFiles(), "■PDFに保存しました■\n" + root + "/Print/勝敗表_2026後期.pdf\n" + root +
                                "/Print/チーム一覧_2026後期.pdf");
    key(Qt::Key_F9);
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
    const std::string root = shownPath(folder_.root());
    EXPECT_EQ(savedFiles(), "■CSVに書き出しました■\n" + root + "/Export/勝敗表_2026後期.csv\n" + root +
                                "/Export/チーム一覧_2026後期.csv");
    const std::string csv = folder_.read("Export/チーム一覧_2026後期.csv");
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 48);
}

TEST_F(ExportCommands, F7SavesTheWebPageAndNamesIt) {
    click(child("Edit_UserName"));
    key(Qt::Key_Escape);
    key(Qt::Key_F7);
    EXPECT_FALSE(panelOpen());
    EXPECT_EQ(savedFiles(), "■Webページを保存しました■\n" + shownPath(folder_.root()) + "/Export/勝敗表_2026後期.html");
    EXPECT_EQ(child<QLabel>("Label_SavedFileKeys")->text().contains(QStringLiteral("[Enter]")),
              desktopViewerAvailable());
    key(Qt::Key_F9);
    EXPECT_EQ(focusName(), "Edit_UserName");
    const std::string page = folder_.read("Export/勝敗表_2026後期.html");
    EXPECT_NE(page.find("チーム48"), std::string::npos);
    EXPECT_EQ(page.find("代表48"), std::string::npos) << "no contact details";
}

// Every heading of the team list that stands for a field of the screen is that field's caption.
TEST_F(ExportCommands, TheTeamListsHeadingsAreTheCaptionsOnTheScreen) {
    key(Qt::Key_Escape);
    key(Qt::Key_F6);
    const std::string csv = folder_.read("Export/チーム一覧_2026後期.csv");
    const QStringList headings = QString::fromStdString(csv.substr(3, csv.find("\r\n") - 3)).split(QLatin1Char(','));
    QStringList captions;
    for (QLabel* l : form_->findChildren<QLabel*>()) captions << l->text();
    ASSERT_EQ(headings.size(), 14);  // the memo last
    for (const QString& h : headings) {
        if (h == QStringLiteral("チーム名")) continue;  // the column of names, "参加チーム名" over the list
        EXPECT_TRUE(captions.contains(h)) << h.toStdString();
    }
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

TEST_F(ExportEmptyTerm, F5F6AndF7SaveNothingEmptyAndSaySoAlike) {
    for (int command : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7}) {
        key(Qt::Key_Escape);
        key(command);
        QMetaObject::invokeMethod(form_->messages().saveErrorTimer(), "timeout");
        EXPECT_EQ(form_->messages().messageText(),
                  QStringLiteral("■表示中の節にはチームがないため、保存するものがありません■"));
        QMetaObject::invokeMethod(form_->messages().saveErrorTimer(), "timeout");
    }
    EXPECT_FALSE(folder_.exists("Print"));
    EXPECT_FALSE(folder_.exists("Export"));
}

}  // namespace
