// Getting a season back as the organiser would: the command panel's F8 lists the copies in
// Backup/, one is chosen, confirmed, restored, and the restore is undone from the same list;
// an empty Backup/, a copy with files missing, a long list and the panel guard.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>
#include <map>

#include "form/timed_messages.h"
#include "store/file_io.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"

namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;

class RestoreScreen : public FormTest {
protected:
    void prepareFiles() override { layLeague(folder_, LeagueShape{3, 10, 4, 2, 0}); }

    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QString cell(const char* column, int row) const {
        return text(QString::asprintf("Label_Backup%s_%02d", column, row));
    }
    bool visible(const char* panel) const { return child<QFrame>(panel)->isVisible(); }
    Files dataFiles() const {
        Files s;
        for (const auto& e : fs::directory_iterator(folder_.path("Data")))
            s[e.path().filename().string()] = folder_.read("Data/" + e.path().filename().string());
        return s;
    }
    void openList() {
        key(Qt::Key_Escape);
        key(Qt::Key_F8);
        ASSERT_TRUE(visible("Panel_Backup"));
        ASSERT_EQ(focusName(), "Edit_BackupChoose");
    }
    // Chooses the highlighted copy and answers the question with はい.
    void restoreHighlighted() {
        key(Qt::Key_Return);
        ASSERT_TRUE(visible("Panel_BackupKakunin"));
        ASSERT_EQ(focusName(), "Edit_BackupKakuninCommandChoose");
        key(Qt::Key_Left);  // いいえ is highlighted first
        key(Qt::Key_Return);
    }
};

TEST_F(RestoreScreen, ACopyIsListedRestoredAndTheRestoreUndone) {
    const Files beforeDeletion = dataFiles();
    key(Qt::Key_Escape);
    key(Qt::Key_F4);  // deleting 38 後期 makes a copy first
    ASSERT_EQ(text("Label_CommandName_04"), QStringLiteral("F4 平成38年 前期 成績削除"));
    const Files afterDeletion = dataFiles();

    openList();
    EXPECT_EQ(text("Label_BackupDs"), QStringLiteral("1 件"));
    EXPECT_EQ(cell("Date", 1), QStringLiteral("2026/12/08"));
    EXPECT_EQ(cell("Time", 1), QStringLiteral("10:00:00"));
    EXPECT_EQ(cell("Kind", 1), QStringLiteral("最新節の削除"));

    // いいえ changes nothing and goes back to the list.
    key(Qt::Key_F1);
    ASSERT_TRUE(visible("Panel_BackupKakunin"));
    EXPECT_TRUE(text("Label_BackupKakunin").contains(QStringLiteral("2026/12/08 10:00:00（最新節の削除）")));
    key(Qt::Key_Return);
    EXPECT_FALSE(visible("Panel_BackupKakunin"));
    EXPECT_EQ(focusName(), "Edit_BackupChoose");
    EXPECT_EQ(dataFiles(), afterDeletion);

    restoreHighlighted();
    EXPECT_EQ(dataFiles(), beforeDeletion);
    EXPECT_FALSE(visible("Panel_Backup"));
    EXPECT_FALSE(visible("Panel_Command"));
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_Year");
    // The newest term of the copy, group 1, the command panel's F4 naming it again.
    EXPECT_EQ(text("Edit_Year"), QStringLiteral("38"));
    EXPECT_EQ(text("Label_CommandName_04"), QStringLiteral("F4 平成38年 後期 成績削除"));
    EXPECT_EQ(text("Label_ChooseKyuu"), QStringLiteral("A"));
    EXPECT_TRUE(shownMessage().contains(QStringLiteral("の状態に戻しました")));

    // The Data/ left behind is the newest copy, named for the restore; restoring it undoes it.
    openList();
    EXPECT_EQ(text("Label_BackupDs"), QStringLiteral("2 件"));
    EXPECT_EQ(cell("Kind", 1), QStringLiteral("復元"));
    EXPECT_EQ(cell("Kind", 2), QStringLiteral("最新節の削除"));
    restoreHighlighted();
    EXPECT_EQ(dataFiles(), afterDeletion);
    EXPECT_EQ(text("Label_CommandName_04"), QStringLiteral("F4 平成38年 前期 成績削除"));
}

TEST_F(RestoreScreen, AnEmptyBackupFolderOffersNothing) {
    const Files before = dataFiles();
    openList();
    EXPECT_EQ(text("Label_BackupDs"), QStringLiteral("0 件"));
    EXPECT_EQ(cell("Kind", 1), QStringLiteral("バックアップはまだありません"));
    key(Qt::Key_F1);
    EXPECT_FALSE(visible("Panel_BackupKakunin"));
    key(Qt::Key_F9);
    EXPECT_FALSE(visible("Panel_Backup"));
    EXPECT_TRUE(visible("Panel_Command"));
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(dataFiles(), before);
}

TEST_F(RestoreScreen, ALongListScrollsAndACopyWithFilesMissingIsRefused) {
    for (int day = 1; day <= 14; ++day) {
        const std::string copy = QString::asprintf("Backup/Data-202611%02d-080000/", day).toStdString();
        folder_.write(copy + "Seiseki.001", folder_.read("Data/Seiseki.001"));
        if (day != 3) folder_.write(copy + "Info.001", folder_.read("Data/Info.001"));
        folder_.write(copy + "Operation.txt", "休会\n");
    }
    const Files before = dataFiles();
    openList();
    EXPECT_EQ(text("Label_BackupDs"), QStringLiteral("14 件"));
    EXPECT_EQ(cell("Date", 1), QStringLiteral("2026/11/14"));
    EXPECT_EQ(text("Label_BackupUp"), QString());
    EXPECT_EQ(text("Label_BackupDown"), QStringLiteral("▼"));
    for (int i = 0; i < 11; ++i) key(Qt::Key_Down);  // the 12th copy: the window has moved by two
    EXPECT_EQ(cell("Date", 1), QStringLiteral("2026/11/12"));
    EXPECT_EQ(cell("Date", 10), QStringLiteral("2026/11/03"));
    EXPECT_EQ(cell("Kind", 10), QStringLiteral("ファイルが欠けています（戻せません）"));
    EXPECT_EQ(text("Label_BackupUp"), QStringLiteral("▲"));
    key(Qt::Key_PageDown);
    EXPECT_EQ(cell("Date", 10), QStringLiteral("2026/11/01"));
    EXPECT_EQ(text("Label_BackupDown"), QString());

    // The copy of the 3rd lacks its team register.
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    key(Qt::Key_Return);
    EXPECT_FALSE(visible("Panel_BackupKakunin"));
    EXPECT_TRUE(shownMessage().contains(QStringLiteral("欠けている")));
    EXPECT_EQ(dataFiles(), before);
}

TEST_F(RestoreScreen, TheMainScreenWaitsWhileTheListIsOpen) {
    openList();
    click(child("Edit_Kyuu_02"));
    EXPECT_EQ(state().panelOpen, 1);
    QMetaObject::invokeMethod(form_->errorMessageTimer(), "timeout");
    EXPECT_EQ(focusName(), "Edit_BackupChoose");
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    key(Qt::Key_Escape);
    EXPECT_EQ(state().panelOpen, 0);
}

// A start that could not write to Data/ said so on its line; the restore reads Data/ afresh and
// works the line out again for the folder now in use.
class RestoreAfterAnUnwritableStart : public RestoreScreen {
protected:
    void prepareFiles() override {
        RestoreScreen::prepareFiles();
        for (const auto& [name, bytes] : dataFiles()) folder_.write("Backup/Data-20261101-080000/" + name, bytes);
        folder_.write("Backup/Data-20261101-080000/Operation.txt", "休会\n");
        fileio::testing::failWritesWhen(
            [](const fileio::testing::WriteAttempt& a) { return a.path.find("tallyfold-probe") != std::string::npos; });
    }
    void TearDown() override {
        fileio::testing::reset();
        RestoreScreen::TearDown();
    }
};

TEST_F(RestoreAfterAnUnwritableStart, TheStartUpLineIsWorkedOutAgain) {
    EXPECT_EQ(text("Label_StartupNotice"), QStringLiteral("■Data フォルダに書き込めません。入力は保存されません■"));
    fileio::testing::reset();  // the folder can be written again
    openList();
    restoreHighlighted();
    EXPECT_FALSE(visible("Panel_Backup"));
    EXPECT_EQ(text("Label_StartupNotice"), QString());
}

}  // namespace
