// What a new user tripped on: a name typed with a blank in front, a message flashing after the
// first-use panel, a header naming another term than the one shown, Tab wandering into the
// rank boxes, text left scrolled, stale help lines, and a hint that wrapped.

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "form/framed_shape.h"
#include "form/help_area.h"
#include "store/results_file.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"
#include "support/records.h"

namespace {

class NewUser : public FormTest {
protected:
    void prepareFiles() override { layLeague(folder_, LeagueShape{2, 6, 1, 0, 0}); }
    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    void focusOn(const char* name) {
        click(child<QWidget>(name));
        QApplication::processEvents();
    }
    QString help() const { return text("Label_HelpMsg_01") + text("Label_HelpMsg_02"); }
};

TEST_F(NewUser, ANameTypedWithABlankInFrontIsCountedAndRanked) {
    focusOn("Edit_TeamName_07");
    child<QLineEdit>("Edit_TeamName_07")->selectAll();
    typeText(QStringLiteral(" 清澄白河ＢＣ"));
    key(Qt::Key_Return);
    EXPECT_EQ(folder_.read(files::kResults).substr(resultAt(0, 7), 20), name20("清澄白河ＢＣ"));
    EXPECT_EQ(model().termTeamCount, 13);
    click(child<QLabel>("Label_Sel_7_1"));
    EXPECT_EQ(text("Label_Win_07"), " 1");
    EXPECT_NE(text("Edit_Jun_07"), "  ");
}

TEST_F(NewUser, AStoredNameWithABlankInFrontIsTrimmedWhenNextConfirmed) {
    closeForm();
    std::string results = folder_.read(files::kResults);
    results.replace(resultAt(0, 2), 20, " " + name20("旧名").substr(0, 19));
    folder_.write(files::kResults, results);
    startForm();
    focusOn("Edit_TeamName_02");
    key(Qt::Key_Return);
    EXPECT_EQ(folder_.read(files::kResults).substr(resultAt(0, 2), 20), name20("旧名"));
}

class NewUserFirstStart : public NewUser {
protected:
    void prepareFiles() override {}
};

TEST_F(NewUserFirstStart, ConfirmingTheFirstUsePanelFlashesNoMessage) {
    for (int k : {Qt::Key_F9, Qt::Key_F1}) {  // F1 registers the term, so it comes last
        child<QLineEdit>("Edit_Year")->setFocus();
        key(Qt::Key_Return);
        ASSERT_TRUE(child<QFrame>("Panel_NotData")->isVisible());
        releasePanelKeys();
        key(k);
        EXPECT_FALSE(child<QFrame>("Panel_NotData")->isVisible());
        EXPECT_FALSE(form_->errorMessageTimer()->isActive()) << "after F" << (k == Qt::Key_F1 ? 1 : 9);
        EXPECT_EQ(state().panelOpen, 0);
    }
}

TEST_F(NewUserFirstStart, TypingMeantForTheClubNameNeverAnswersTheFirstUsePanel) {
    QFrame* panel = child<QFrame>("Panel_NotData");
    const std::string results = folder_.read(files::kResults);
    for (int attempt = 0; attempt < 2; ++attempt) {
        ASSERT_EQ(focusName(), "Edit_Year");
        focusOn("Edit_UserName");  // leaving the year confirms it: no term is stored yet
        ASSERT_TRUE(panel->isVisible());
        EXPECT_EQ(focusName(), "Edit_Panel_NotDataCommand") << "the panel, not the club name, has the keys";
        EXPECT_TRUE(text("Label_HelpMsg_01").contains(QStringLiteral("[F1]")));
        if (attempt == 0) {
            key(Qt::Key_Return);  // pressed before the panel could be seen
        } else {
            typeText(QStringLiteral("関東草野球連盟"));
            for (char c : std::string("kanto")) QTest::keyClick(form_->windowHandle(), c);
            key(Qt::Key_Return);
            EXPECT_TRUE(form_->errorMessageTimer()->isActive()) << "the panel-open message says why";
        }
        EXPECT_TRUE(panel->isVisible()) << "attempt " << attempt;
        EXPECT_EQ(folder_.read(files::kResults), results);
        EXPECT_TRUE(text("Edit_UserName").isEmpty());
        // Once it has been on screen for a moment, the panel answers its keys.
        releasePanelKeys();
        key(attempt == 0 ? Qt::Key_F9 : Qt::Key_Return);
        EXPECT_FALSE(panel->isVisible());
    }
    EXPECT_EQ(folder_.read(files::kResults).substr(0, 2), "38") << "O.K. registered the term";
    EXPECT_EQ(focusName(), "Edit_UserName");
}

TEST_F(NewUser, AfterDecliningANewTermTheHeaderNamesTheTermShown) {
    // Only 38 後期 is stored; 前期 is chosen and confirmed, then the new-term panel declined.
    ASSERT_EQ(model().termHalf, 1);
    click(child<QWidget>("Label_Zenki"));
    key(Qt::Key_Return);
    ASSERT_TRUE(child<QFrame>("Panel_NewData")->isVisible());
    releasePanelKeys();
    key(Qt::Key_F9);
    EXPECT_FALSE(child<QFrame>("Panel_NewData")->isVisible());
    EXPECT_EQ(model().termHalf, 1);
    EXPECT_EQ(child<FramedShape>("Shape_Kouki")->penColor(), QColor(255, 0, 0));
    EXPECT_EQ(child<FramedShape>("Shape_Zenki")->penColor(), QColor(192, 192, 192));
    EXPECT_EQ(text("Edit_Year"), "38");
    EXPECT_EQ(model().termSlotIndex, 0);
}

TEST_F(NewUser, TabFollowsTheProgramsOwnOrderAndNeverTicksTheRankBox) {
    ASSERT_EQ(focusName(), "Edit_Year");
    const char* forward[] = {"Edit_UserName", "Edit_Kyuu_01", "Edit_Bu_01", "Edit_TeamName_01"};
    for (const char* next : forward) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focusName(), next);
    }
    key(Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "Edit_Bu_01") << "Shift+Tab goes back to the field before";
    key(Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "Edit_Kyuu_01") << "as [Home] does in a division box";
    for (int i = 0; i < 30; ++i) key(Qt::Key_Tab);
    EXPECT_FALSE(child<QCheckBox>("CheckBox_JunCal")->isChecked());
    EXPECT_FALSE(focusName().startsWith("Edit_Jun_"));
}

TEST_F(NewUser, TabInsideThePanelsKeyBoxRunsNoCommand) {
    key(Qt::Key_Escape);
    ASSERT_TRUE(child<QFrame>("Panel_Command")->isVisible());
    key(Qt::Key_Tab);
    EXPECT_TRUE(child<QFrame>("Panel_Command")->isVisible()) << "Tab must not run the highlighted F9";
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
}

TEST_F(NewUser, ALongTextIsShownFromItsStartOnceLeft) {
    focusOn("Edit_UserName");
    QLineEdit* club = child<QLineEdit>("Edit_UserName");
    club->selectAll();
    typeText(QStringLiteral("東京都下町草野球連盟北部地区第一二三四"));  // 20 characters, wider than the box
    EXPECT_GT(club->cursorPosition(), 0);
    focusOn("Edit_Kyuu_03");
    EXPECT_EQ(club->cursorPosition(), 0);
}

TEST_F(NewUser, EveryFocusChangeShowsTheHelpOfTheNewFieldOrNone) {
    focusOn("Edit_Jun_02");
    key(Qt::Key_Escape);
    ASSERT_FALSE(help().isEmpty()) << "the command panel's help";
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_Jun_02");
    EXPECT_TRUE(help().isEmpty()) << help().toStdString();

    focusOn("Edit_TeamName_03");
    ASSERT_FALSE(help().isEmpty());
    click(child<QWidget>("CheckBox_JunCal"));
    EXPECT_EQ(focusName(), "CheckBox_JunCal");
    EXPECT_TRUE(help().isEmpty()) << help().toStdString();

    focusOn("Edit_Year");
    EXPECT_TRUE(help().contains(QStringLiteral("年度")));
}

TEST_F(NewUser, TheHintUnderTheTeamNamesEndsItsSentenceOnItsOwnLine) {
    bool sentenceEnd = false;
    for (QLabel* l : child<QWidget>("TeamList")->findChildren<QLabel*>()) {
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
        EXPECT_NE(l->text(), QStringLiteral("す。")) << "a syllable alone against the F-key legend";
        sentenceEnd = sentenceEnd || l->text() == QStringLiteral("キーで詳細情報を入力できます。");
    }
    EXPECT_TRUE(sentenceEnd);
}

TEST_F(NewUser, TheReadingHintFitsOnOneLine) {
    focusOn("Edit_TeamName_01");
    QLabel* hint = child<QLabel>("Label_Manual");
    ASSERT_EQ(hint->text(), QStringLiteral("説明文内でクリックし↑↓キーでお読みください"));
    EXPECT_FALSE(hint->wordWrap());
    EXPECT_LE(QFontMetrics(hint->font()).horizontalAdvance(hint->text()), hint->width());
}

}  // namespace
