// Saves that fail, as they do on a read-only folder or a full disk: every one is reported
// with a message naming the file and why, and logged, and the screen shows what the files
// hold, never what could not be stored.

#include <unistd.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "form/timed_messages.h"
#include "store/file_io.h"
#include "store/results_file.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"
#include "support/records.h"

namespace {

class SaveFailures : public FormTest {
protected:
    void prepareFiles() override { layLeague(folder_); }
    void TearDown() override {
        fileio::testing::reset();
        FormTest::TearDown();
    }
    void failWritesTo(const char* file, int cause = EACCES) {
        const std::string path = folder_.path(file);
        fileio::testing::failWritesWhen(
            [path](const fileio::testing::WriteAttempt& a) { return a.path == path || a.path == path + ".tf-new"; },
            cause);
    }
    // The message panel holds its whole text, on as many lines as it needs, within the form.
    void expectMessageFits() {
        auto* panel = child<QFrame>("Panel_SaveErr");
        auto* label = child<QLabel>("Panel_SaveErr_Text");
        EXPECT_TRUE(form_->rect().contains(panel->geometry())) << panel->geometry().width();
        EXPECT_TRUE(panel->rect().contains(label->geometry()));
        const QRect needed =
            label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 0), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->width());
        EXPECT_LE(needed.height(), label->height());
    }
    // The save message as the user sees it, once its timer has shown it; empty when none came.
    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QString notice() const { return text("Label_StartupNotice"); }
    void enterField(const char* name) {
        click(child<QWidget>(name));
        child<QLineEdit>(name)->selectAll();
    }
};

TEST_F(SaveFailures, AClickThatCannotBeStoredIsUndoneOnScreen) {
    const QString before = text("Label_Sel_1_2"), mirror = text("Label_Sel_2_1"), wins = text("Label_Win_01");
    const std::string file = folder_.read(files::kResults);
    failWritesTo(files::kResults);
    click(child<QLabel>("Label_Sel_1_2"));
    EXPECT_EQ(shownMessage(), QStringLiteral("■Seiseki.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(text("Label_Sel_1_2"), before);
    EXPECT_EQ(text("Label_Sel_2_1"), mirror);
    EXPECT_EQ(text("Label_Win_01"), wins);
    EXPECT_EQ(folder_.read(files::kResults), file);
    // Nothing has been saved in this run yet: the user is told that nothing is being kept.
    EXPECT_TRUE(notice().contains(QStringLiteral("入力は保存されていません")));

    fileio::testing::reset();
    click(child<QLabel>("Label_Sel_1_2"));
    EXPECT_NE(folder_.read(files::kResults), file);
    EXPECT_EQ(shownMessage(), QString());
    EXPECT_EQ(notice(), QString()) << "saving works again";
}

TEST_F(SaveFailures, ANameThatCannotBeStoredKeepsTheStoredOne) {
    enterField("Edit_TeamName_02");
    failWritesTo(files::kResults);
    typeText(QStringLiteral("新しい名前"));
    key(Qt::Key_Return);
    EXPECT_EQ(shownMessage(), QStringLiteral("■Seiseki.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(text("Edit_TeamName_02"), QStringLiteral("チーム2"));
    EXPECT_EQ(text("Label_GyouTeamName_02"), QStringLiteral("チーム2"));
}

TEST_F(SaveFailures, ANewTeamWhoseRecordCannotBeMadeIsReportedAndGetsNoOthersDetails) {
    const std::string reg = folder_.read(files::kTeamRegister);
    enterField("Edit_TeamName_09");
    failWritesTo(files::kTeamRegister);
    typeText(QStringLiteral("新入り"));
    key(Qt::Key_Return);
    EXPECT_EQ(shownMessage(), QStringLiteral("■Info.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(folder_.read(files::kResults).substr(resultAt(0, 9), 20), name20("新入り"));
    EXPECT_EQ(folder_.read(files::kTeamRegister), reg);
    EXPECT_EQ(model().detailRecordNo, 0);
}

TEST_F(SaveFailures, ALetterThatCannotBeStoredIsNotShown) {
    const std::string groups = folder_.read(files::kGroups);
    enterField("Edit_Kyuu_08");
    failWritesTo(files::kGroups);
    typeText(QStringLiteral("H"));
    key(Qt::Key_Return);
    EXPECT_EQ(shownMessage(), QStringLiteral("■League.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(text("Edit_Kyuu_08"), QString());
    EXPECT_EQ(model().classLetter(7), ' ');
    EXPECT_EQ(folder_.read(files::kGroups), groups);
}

TEST_F(SaveFailures, AClubNameThatCannotBeStoredKeepsTheStoredOne) {
    enterField("Edit_UserName");
    failWritesTo(files::kUserName);
    typeText(QStringLiteral("別の連盟"));
    key(Qt::Key_Return);
    EXPECT_EQ(shownMessage(), QStringLiteral("■UserName.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(text("Edit_UserName"), QStringLiteral("東京草野球連盟"));
}

TEST_F(SaveFailures, ATermDeletionThatCannotBeSavedChangesNothingAndCanBeTriedAgain) {
    const std::string results = folder_.read(files::kResults);
    failWritesTo(files::kResults);
    key(Qt::Key_Escape);
    key(Qt::Key_F4);
    EXPECT_EQ(shownMessage(), QStringLiteral("■Seiseki.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(folder_.read(files::kResults), results);
    EXPECT_EQ(model().deleteDone, 0);
    EXPECT_TRUE(child<QFrame>("Panel_Command")->isVisible());

    fileio::testing::reset();
    key(Qt::Key_F4);
    EXPECT_EQ(model().deleteDone, 1);
    EXPECT_NE(folder_.read(files::kResults), results);
    EXPECT_TRUE(std::filesystem::is_directory(folder_.path("Backup")));
}

TEST_F(SaveFailures, ACloseThatCannotSaveIsRefusedOnceWithTheReason) {
    failWritesTo(files::kGroups);
    EXPECT_FALSE(form_->close());
    EXPECT_TRUE(notice().contains(QStringLiteral("League.001")));
    EXPECT_TRUE(form_->close()) << "a second close goes ahead";
}

TEST_F(SaveFailures, AFullDiskAndAReadOnlyFileAreToldApartOnScreenAndInTheLog) {
    failWritesTo(files::kResults, ENOSPC);
    click(child<QLabel>("Label_Sel_1_2"));
    EXPECT_EQ(shownMessage(), QStringLiteral("■Seiseki.001 に保存できませんでした（ディスクの空きがありません）■"));
    expectMessageFits();
    shownMessage();  // its time is up

    failWritesTo(files::kGroups, EROFS);
    enterField("Edit_Kyuu_08");
    typeText(QStringLiteral("H"));
    key(Qt::Key_Return);
    EXPECT_EQ(shownMessage(), QStringLiteral("■League.001 に保存できませんでした（書き込みが許可されていません）■"));
    expectMessageFits();

    // One line per failed save, in the working folder where no backup or restore carries it.
    const std::string log = folder_.read("Tallyfold.log");
    EXPECT_EQ(log.substr(0, log.find('\n')),
              "2026/12/08 10:00:00 Data/Seiseki.001 ENOSPC (28) No space left on device");
    EXPECT_NE(log.find("\n2026/12/08 10:00:00 Data/League.001 EROFS (30) "), std::string::npos) << log;
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
    EXPECT_FALSE(folder_.exists("Data/Tallyfold.log"));
}

TEST_F(SaveFailures, AnyOtherCauseIsSaidInTheSystemsOwnWords) {
    failWritesTo(files::kResults, EIO);
    click(child<QLabel>("Label_Sel_1_2"));
    EXPECT_EQ(shownMessage(),
              QStringLiteral("■Seiseki.001 に保存できませんでした（%1）■").arg(QString::fromLocal8Bit(strerror(EIO))));
    expectMessageFits();
}

TEST_F(SaveFailures, AMessageWiderThanTheFormTakesTwoLines) {
    std::string longName = "Data/";
    for (int i = 0; i < 12; ++i) longName += "LongFolderName ";
    longName += "Seiseki.001";
    form_->messages().showSaveFailure(SaveResult::failed(longName, ENAMETOOLONG));
    EXPECT_TRUE(shownMessage().contains(QString::fromStdString(longName.substr(5))));
    EXPECT_TRUE(child<QLabel>("Panel_SaveErr_Text")->wordWrap());
    expectMessageFits();
}

class UnwritableFolder : public SaveFailures {
protected:
    void prepareFiles() override {
        layLeague(folder_);
        fileio::testing::failWritesWhen([](const fileio::testing::WriteAttempt&) { return true; });
    }
};

TEST_F(UnwritableFolder, IsSaidAtStartUp) {
    EXPECT_EQ(notice(), QStringLiteral("■Data フォルダに書き込めません。入力は保存されません■"));
}

// The same through the file system's own permissions. Root may write anywhere, so this
// one is skipped under root; the tests above cover the same faults through the file layer.
class ReadOnlyDataFolder : public SaveFailures {
protected:
    void prepareFiles() override {
        layLeague(folder_);
        for (const auto& e : std::filesystem::directory_iterator(folder_.path("Data")))
            std::filesystem::permissions(e.path(),
                                         std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
        std::filesystem::permissions(folder_.path("Data"),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }
    void TearDown() override {
        SaveFailures::TearDown();
        std::filesystem::permissions(folder_.path("Data"), std::filesystem::perms::owner_all);
    }
};

TEST_F(ReadOnlyDataFolder, EveryFailedSaveIsReportedAndNothingChanges) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders; covered through the file layer";
    EXPECT_EQ(notice(), QStringLiteral("■Data フォルダに書き込めません。入力は保存されません■"));
    const std::string results = folder_.read(files::kResults);
    click(child<QLabel>("Label_Sel_1_2"));
    EXPECT_EQ(shownMessage(), QStringLiteral("■Seiseki.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(folder_.read(files::kResults), results);
}

}  // namespace
