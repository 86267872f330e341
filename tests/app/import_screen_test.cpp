// Teams from a spreadsheet as the organiser brings them in: F10 of the command panel or a file
// dropped onto the window, the preview with its counts and refused rows, いいえ writing
// nothing at all, はい writing the names and details and showing them.

#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <cerrno>
#include <filesystem>
#include <map>

#include "app/import_panel.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;

// Groups A1, B2, C3 of eight teams each (records 1–8, 11–18, 21–28), newest term 2026後期.
// In Shift-JIS, as Excel in Japan saves "CSV".
const char* const kSheet =
    "組,チーム名,代表者名,電話番号\r\n"
    "A1,新星,星野,03-1111-2222\r\n"    // row 2: A1's ninth row
    "A1,流星,,\r\n"                    // row 3: A1's tenth row
    "B2,チーム11,,03-9999\r\n"         // row 4: B2's first team, its telephone updated
    "C3,あいうえおかきくけこさ,,\r\n"  // row 5: a name of 22 bytes
    "A1,三番目の新顔,,\r\n";           // row 6: A1 is full by then

class ImportScreen : public FormTest {
protected:
    void prepareFiles() override {
        layLeague(folder_, LeagueShape{.groups = 3, .teamsPerGroup = 8, .terms = 2, .suspended = 1, .rules = 0});
        folder_.write("チーム.csv", sjis::fromUnicode(kSheet));
    }
    void SetUp() override {
        FormTest::SetUp();
        panel()->setFileChooser([this](QWidget*, const QString& folder) {
            ++dialogs_;
            dialogFolder_ = folder;
            return chosen_;
        });
    }

    ImportPanel* panel() const { return form_->findChild<ImportPanel*>(); }
    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QString cell(const char* column, int row) const {
        return text(QString::asprintf("Label_ImportRefused%s_%02d", column, row));
    }
    bool visible(const char* name) const { return child(name)->isVisible(); }
    Files dataFiles() const {
        Files s;
        for (const auto& e : fs::directory_iterator(folder_.path("Data")))
            s[e.path().filename().string()] = folder_.read("Data/" + e.path().filename().string());
        return s;
    }
    bool anyBackup() const { return folder_.exists("Backup") && !fs::is_empty(folder_.path("Backup")); }
    // Field k of team record n in Data/Info.001, as Unicode without its padding.
    std::string detail(int n, int k) const {
        const std::string rec = folder_.read("Data/Info.001").substr(std::size_t(n - 1) * 1000, 1000);
        const std::string f = rec.substr(layouts::offset(layouts::Team, k), layouts::get(layouts::Team).widths[k]);
        return sjis::toUnicode(f.substr(0, f.find_last_not_of(' ') + 1));
    }
    void importFromCommandPanel(const std::string& file = "チーム.csv") {
        chosen_ = QString::fromStdString(folder_.path(file));
        key(Qt::Key_Escape);
        key(Qt::Key_F10);
        ASSERT_TRUE(visible("Panel_Import"));
        ASSERT_EQ(focusName(), "Edit_ImportChoose");
    }
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form_.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form_.get(), &dropped);
        QApplication::processEvents();
    }

    QString chosen_;
    QString dialogFolder_;
    int dialogs_ = 0;
};

TEST_F(ImportScreen, ThePreviewShowsTheCountsAndTheRefusedRowsAndNoWritesNothing) {
    const Files before = dataFiles();
    importFromCommandPanel();
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(dialogFolder_.toStdString(), folder_.root());
    EXPECT_TRUE(visible("Panel_Command")) << "the command panel stays beneath";

    EXPECT_EQ(text("Label_ImportFile"), QStringLiteral("ファイル：チーム.csv"));
    EXPECT_EQ(text("Label_ImportEncoding"), QStringLiteral("文字コード：Shift_JIS (CP932)"));
    EXPECT_EQ(text("Label_ImportSummary"), QStringLiteral("追加 2チーム　更新 1チーム"));
    EXPECT_EQ(text("Label_ImportTarget"), QStringLiteral("級・部ごとのチーム（平成38年 後期に取り込みます）"));
    EXPECT_EQ(text("Label_ImportGroup_01"), QStringLiteral("A級 1部　追加 2　更新 0"));
    EXPECT_EQ(text("Label_ImportGroup_02"), QStringLiteral("B級 2部　追加 0　更新 1"));
    EXPECT_EQ(text("Label_ImportGroup_03"), QString());
    EXPECT_EQ(text("Label_ImportRefusedDs"), QStringLiteral("取り込めない行（2行）"));
    EXPECT_EQ(cell("Row", 1), QStringLiteral("5行目"));
    EXPECT_EQ(cell("Reason", 1), QStringLiteral("「チーム名」が長すぎます（全角10文字・半角20文字まで）"));
    EXPECT_EQ(cell("Row", 2), QStringLiteral("6行目"));
    EXPECT_EQ(cell("Reason", 2), QStringLiteral("A級 1部は10チームでいっぱいです"));
    EXPECT_EQ(cell("Row", 3), QString());
    EXPECT_EQ(text("Label_ImportReason"),
              QStringLiteral("5行目：「チーム名」が長すぎます（全角10文字・半角20文字まで）"));
    key(Qt::Key_Down);
    EXPECT_EQ(text("Label_ImportReason"), QStringLiteral("6行目：A級 1部は10チームでいっぱいです"));

    // やめる is highlighted first: a hasty [Enter] writes nothing.
    EXPECT_TRUE(visible("Label_Import_F1"));
    key(Qt::Key_Return);
    EXPECT_FALSE(visible("Panel_Import"));
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(state().panelOpen, 1);
    EXPECT_EQ(dataFiles(), before);
    EXPECT_FALSE(anyBackup());

    // ESC and F9 are いいえ too.
    for (int no : {Qt::Key_Escape, Qt::Key_F9}) {
        key(Qt::Key_F10);
        ASSERT_TRUE(visible("Panel_Import"));
        key(no);
        EXPECT_FALSE(visible("Panel_Import"));
        EXPECT_EQ(focusName(), "Edit_CommandChoose");
    }
    EXPECT_EQ(dataFiles(), before);
    EXPECT_FALSE(anyBackup());
    EXPECT_EQ(shownMessage(), QString());
}

TEST_F(ImportScreen, YesWritesTheTeamsAndTheScreenShowsThem) {
    const std::string results = folder_.read("Data/Seiseki.001");
    ASSERT_EQ(text("Label_TeamDs"), QStringLiteral("24"));
    click(child("Edit_Kyuu_02"));  // B2, its first team チーム11 selected
    ASSERT_EQ(text("Edit_SyousaiTel").trimmed(), QString());
    importFromCommandPanel();
    key(Qt::Key_Left);
    key(Qt::Key_Return);

    EXPECT_FALSE(visible("Panel_Import"));
    EXPECT_FALSE(visible("Panel_Command"));
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_Kyuu_02");
    EXPECT_EQ(shownMessage(), QStringLiteral("■2チームを取り込みました（詳細の更新 1チーム）■"));

    // The header and the shown group's selected team, read afresh; A1's names and table.
    EXPECT_EQ(text("Label_TeamDs"), QStringLiteral("26"));
    EXPECT_EQ(text("Edit_SyousaiTel").trimmed(), QStringLiteral("03-9999"));
    click(child("Edit_Kyuu_01"));
    EXPECT_EQ(text("Edit_TeamName_09").trimmed(), QStringLiteral("新星"));
    EXPECT_EQ(text("Edit_TeamName_10").trimmed(), QStringLiteral("流星"));
    EXPECT_TRUE(text("Label_GyouTeamName_09").contains(QStringLiteral("新星")));
    // The details: the new teams in the first free records, チーム11's telephone.
    EXPECT_EQ(detail(9, team_field::TeamName), "新星");
    EXPECT_EQ(detail(9, team_field::Representative), "星野");
    EXPECT_EQ(detail(9, team_field::Telephone), "03-1111-2222");
    EXPECT_EQ(detail(10, team_field::TeamName), "流星");
    EXPECT_EQ(detail(11, team_field::Telephone), "03-9999");
    EXPECT_EQ(detail(11, team_field::Representative), "代表11");
    // Results untouched but for the two names; a copy of Data/ as it was.
    const std::string now = folder_.read("Data/Seiseki.001");
    ASSERT_EQ(now.size(), results.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < now.size(); ++i) differing += now[i] != results[i];
    EXPECT_LE(differing, 2u * 20);
    ASSERT_TRUE(anyBackup());
    const fs::path copy = fs::directory_iterator(folder_.path("Backup"))->path();
    EXPECT_EQ(folder_.read("Backup/" + copy.filename().string() + "/Seiseki.001"), results);
}

// A copy that cannot be made or a save that fails writes nothing and says why; the screen
// still shows what is stored.
TEST_F(ImportScreen, AFailedCopyOrSaveWritesNothingAndSaysWhy) {
    const Files before = dataFiles();
    const std::string data = folder_.path("Data/"), backup = folder_.path("Backup/");
    struct Case {
        std::string under;
        const char* message;
    };
    for (const Case& c : {Case{backup, "■バックアップを作れないため取り込みませんでした："},
                          Case{data, "■Seiseki.001 に保存できませんでした（ディスクの空きがありません）■"}}) {
        SCOPED_TRACE(c.message);
        fileio::testing::failWritesWhen(
            [under = c.under](const fileio::testing::WriteAttempt& a) {
                return a.path.rfind(under, 0) == 0 && a.path.find("Tallyfold.jnl") == std::string::npos;
            },
            ENOSPC);
        importFromCommandPanel();
        key(Qt::Key_F1);
        fileio::testing::reset();
        EXPECT_FALSE(visible("Panel_Import"));
        const QString shown = shownMessage();
        EXPECT_TRUE(shown.startsWith(QString::fromUtf8(c.message))) << shown.toStdString();
        EXPECT_EQ(dataFiles(), before);
        EXPECT_EQ(text("Label_TeamDs"), QStringLiteral("24"));
        EXPECT_EQ(text("Edit_TeamName_09").trimmed(), QString());
        shownMessage();  // its time runs out
        key(Qt::Key_Escape);
    }
}

TEST_F(ImportScreen, AFileDroppedOntoTheWindowIsPreviewedLikeAChosenOne) {
    const Files before = dataFiles();
    click(child("Edit_Kyuu_02"));
    drop(QString::fromStdString(folder_.path("チーム.csv")));
    ASSERT_TRUE(visible("Panel_Import"));
    EXPECT_EQ(dialogs_, 0);
    EXPECT_EQ(state().panelOpen, 1);
    EXPECT_EQ(focusName(), "Edit_ImportChoose");
    EXPECT_EQ(text("Label_ImportGroup_01"), QStringLiteral("A級 1部　追加 2　更新 0"));

    // A second drop while the preview is open is refused like any entry.
    drop(QString::fromStdString(folder_.path("チーム.csv")));
    QMetaObject::invokeMethod(form_->errorMessageTimer(), "timeout");
    EXPECT_TRUE(visible("Panel_OpenErr"));
    EXPECT_EQ(focusName(), "Edit_ImportChoose");

    key(Qt::Key_F9);
    EXPECT_FALSE(visible("Panel_Import"));
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_Kyuu_02");
    EXPECT_EQ(dataFiles(), before);

    // Fields leave a dragged file to the window instead of taking its name as text.
    for (const char* field : {"Edit_TeamName_01", "Edit_Year", "Memo_Syousai"})
        EXPECT_FALSE(child(field)->acceptDrops()) << field;
}

TEST_F(ImportScreen, AFileThatCannotBeReadShowsWhyAndOffersOnlyToClose) {
    folder_.write("unicode.txt", std::string("\xFF\xFE", 2) + "x");
    for (const char* file : {"unicode.txt", "missing.csv"}) {
        SCOPED_TRACE(file);
        importFromCommandPanel(file);
        EXPECT_FALSE(visible("Label_Import_F1"));
        EXPECT_TRUE(visible("Label_ImportClose_F9"));
        EXPECT_EQ(text("Label_ImportGroup_01"), QString());
        EXPECT_FALSE(text("Label_ImportStatus").isEmpty());
        key(Qt::Key_F1);  // nothing to take
        EXPECT_TRUE(visible("Panel_Import"));
        key(Qt::Key_Return);
        EXPECT_FALSE(visible("Panel_Import"));
        key(Qt::Key_Escape);
    }
    EXPECT_FALSE(anyBackup());
}

// The desktop's dialog as Qt draws it: it opens in the working folder on CSV files, and a
// cancelled choice leaves the command panel as it was.
TEST_F(ImportScreen, TheFileDialogStartsInTheWorkingFolderOnCsvFiles) {
    QString folder;
    QStringList filters;
    // The real dialog, answered as soon as it is up.
    panel()->setFileChooser([&](QWidget* parent, const QString& start) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            folder = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
            dialog->reject();
        });
        return ImportPanel::chooseWithFileDialog(parent, start);
    });
    key(Qt::Key_Escape);
    key(Qt::Key_F10);
    EXPECT_EQ(folder.toStdString(), fs::canonical(folder_.root()).string());
    EXPECT_EQ(filters, QStringList{QStringLiteral("CSV (*.csv *.txt)")});
    EXPECT_FALSE(visible("Panel_Import"));
    EXPECT_TRUE(visible("Panel_Command"));
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
}

}  // namespace
