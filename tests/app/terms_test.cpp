// Choosing the term to show: the year field, the term marks, the first-use and new-term
// panels, and the club name.

#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "form/framed_shape.h"
#include "store/sjis.h"
#include "support/form_fixture.h"

namespace {

std::string resultsWithSlots(const std::string& keys, const std::string& firstName = "") {
    std::string r = keys + std::string(30 - keys.size(), ' ') + " \n";
    for (int i = 0; i < 200; ++i)
        r += (i == 0 && !firstName.empty() ? firstName + std::string(45 - firstName.size(), ' ')
                                           : std::string(45, ' ')) +
             "\n";
    return r;
}

class TermsTest : public FormTest {
protected:
    QLineEdit* year() const { return child<QLineEdit>("Edit_Year"); }
    QLineEdit* club() const { return child<QLineEdit>("Edit_UserName"); }
    // A year typed and confirmed; a panel that opens for it is given a moment to be seen.
    void typeYear(const QString& y) {
        year()->setFocus();
        QApplication::processEvents();
        year()->selectAll();
        QTest::keyClicks(year(), y);
        key(Qt::Key_Return);
        releasePanelKeys();
    }
    bool shown(const char* panel) const { return child<QFrame>(panel)->isVisible(); }
};

// An empty folder: no term stored yet.
class FirstUse : public TermsTest {};

TEST_F(FirstUse, ConfirmingTheYearOpensThePanelAndF1RegistersTheFirstTerm) {
    typeYear("38");
    ASSERT_TRUE(shown("Panel_NotData"));
    EXPECT_EQ(focusName(), "Edit_Panel_NotDataCommand");
    EXPECT_EQ(state().panelOpen, 1);
    EXPECT_EQ(child<QLabel>("Label_Panel_NotDataYear")->text(), "38");
    // December: the half today lies in is offered, not the one long over.
    EXPECT_EQ(child<QLabel>("Label_Panel_NotDataZenkiKouki")->text(), QStringLiteral("後期"));
    key(Qt::Key_F1);
    EXPECT_FALSE(shown("Panel_NotData"));
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(folder_.read(files::kResults).substr(0, 6), "381   ");
    EXPECT_EQ(focusName(), "Edit_UserName");
}

TEST_F(FirstUse, F9GoesBackToTheYearAndChangesNothing) {
    typeYear("38");
    key(Qt::Key_Right);
    key(Qt::Key_Return);  // the second choice: 年度を修正する
    EXPECT_FALSE(shown("Panel_NotData"));
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_EQ(folder_.read(files::kResults).substr(0, 3), "   ");
    typeYear("38");
    key(Qt::Key_F9);
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_EQ(folder_.read(files::kResults).substr(0, 3), "   ");
}

TEST_F(FirstUse, ClickingTheHalfOnThePanelSwitchesTheMainMarksToo) {
    typeYear("37");
    auto* half = child<QLabel>("Label_Panel_NotDataZenkiKouki");
    click(half);
    EXPECT_EQ(half->text(), QStringLiteral("前期"));
    EXPECT_EQ(child<FramedShape>("Shape_Zenki")->penColor(), QColor(255, 0, 0));
    EXPECT_EQ(child<FramedShape>("Shape_Kouki")->penColor(), QColor(192, 192, 192));
    click(child<QLabel>("Label138"));  // O.K.
    EXPECT_EQ(folder_.read(files::kResults).substr(0, 3), "370");
}

TEST_F(FirstUse, AYearMoreThanTwoBackIsReplacedByThisYear) {
    // The panel registers at most two years back; it can only be reached with this year or
    // the last, so the rule shows when today's year is far from the year field.
    changeModel().todayHeiseiYear = 41;
    typeYear("38");
    key(Qt::Key_F1);
    EXPECT_EQ(folder_.read(files::kResults).substr(0, 3), "411");
}

TEST_F(FirstUse, AYearOtherThanThisOrTheLastIsResetAndNothingOpens) {
    typeYear("35");
    EXPECT_EQ(year()->text(), "38");
    EXPECT_FALSE(shown("Panel_NotData"));
    EXPECT_EQ(focusName(), "Edit_Year");
}

// Stored terms 平成22年後期 and 22年前期, with the date in early 2011.
class StoredTerms : public TermsTest {
protected:
    void prepareFiles() override {
        today_ = {2011, 2, 10, 9, 0, 0};
        std::string r = resultsWithSlots("221220", "Newest");
        std::string older(9200, ' ');
        for (int i = 0; i < 200; ++i) older[i * 46 + 45] = '\n';
        older.replace(0, 5, "Older");
        folder_.write(files::kResults, r + older);
    }
};

TEST_F(StoredTerms, InJanuaryToMarchTheDatesTermIsTheSecondHalfOfLastYear) {
    EXPECT_EQ(form_->model().todayHeiseiYear, 23);
    EXPECT_EQ(form_->model().todayHalf, 1);
    EXPECT_EQ(year()->text(), "22");
    EXPECT_EQ(form_->model().termHalf, 1);
}

TEST_F(StoredTerms, ChoosingAStoredTermShowsIt) {
    click(child<QLabel>("Label_Zenki"));
    EXPECT_EQ(focusName(), "Edit_Year");
    typeYear("22");
    EXPECT_EQ(form_->model().termSlotIndex, 1);
    EXPECT_EQ(child<QLabel>("Label_GyouTeamName_01")->text().trimmed(), "Older");
    EXPECT_EQ(focusName(), "Edit_UserName");
}

TEST_F(StoredTerms, ATermNotStoredOffersTheOneAfterTheNewestWhateverWasTyped) {
    typeYear("23");  // 23 後期 is not stored
    ASSERT_TRUE(shown("Panel_NewData"));
    EXPECT_EQ(focusName(), "Edit_Panel_NewDataCommand");
    EXPECT_EQ(child<QLabel>("Label_Panel_NewDataLastYear")->text(), "22");
    EXPECT_EQ(child<QLabel>("Label_Panel_NewDataLastHalf")->text(), QStringLiteral("後期"));
    EXPECT_EQ(child<QLabel>("Label_Panel_NewDataNextYear")->text(), "23");
    EXPECT_EQ(child<QLabel>("Label_Panel_NewDataNextHalf")->text(), QStringLiteral("前期"));
    key(Qt::Key_F9);
    EXPECT_FALSE(shown("Panel_NewData"));
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_EQ(form_->model().termSlotIndex, 0);
}

TEST_F(StoredTerms, OnEntryAYearOutsideTheStoredRangeIsReplaced) {
    year()->setText("10");
    club()->setFocus();
    QApplication::processEvents();
    year()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(year()->text(), "23");
}

TEST_F(StoredTerms, TheClubNameIsSavedAtOnce) {
    club()->setFocus();
    QApplication::processEvents();
    QInputMethodEvent typed;  // what the Japanese input method hands over
    typed.setCommitString(QStringLiteral("関東草野球連盟"));
    QApplication::sendEvent(club(), &typed);
    key(Qt::Key_Return);
    const std::string expected = sjis::fromUnicode("関東草野球連盟");
    EXPECT_EQ(folder_.read(files::kUserName), expected + std::string(40 - expected.size(), ' '));
    EXPECT_EQ(focusName(), "Edit_Kyuu_01");
    // Leaving by the mouse stores it too, trimmed on the way in and padded on the way out.
    club()->setFocus();
    QApplication::processEvents();
    club()->setText("  Kanto  ");
    year()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(folder_.read(files::kUserName), "  Kanto" + std::string(33, ' '));
}

TEST_F(StoredTerms, AfterDeletingTheNewestTermTheSecondNewestIsShown) {
    key(Qt::Key_Escape);
    key(Qt::Key_F4);
    EXPECT_EQ(folder_.read(files::kResults).substr(0, 6), "220   ");
    EXPECT_EQ(year()->text(), "22");
    EXPECT_EQ(form_->model().termHalf, 0);
    EXPECT_EQ(form_->model().currentGroup, 1);
    EXPECT_EQ(form_->model().currentRecordNo, 1);
    EXPECT_EQ(child<QLabel>("Label_GyouTeamName_01")->text().trimmed(), "Older");
}

}  // namespace
