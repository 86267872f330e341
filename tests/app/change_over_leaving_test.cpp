// Leaving the change-over screen and coming back: a question before changes that no rule
// keeps are thrown away, an arrangement with every team once at the next opening, and the
// stored rules that place no team this term named as the screen opens and at F1.

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "change_over_fixture.h"
#include "form/timed_messages.h"

namespace {

class ChangeOverLeaving : public ChangeOverFixture {
protected:
    void prepareFiles() override { layLeague(folder_, LeagueShape{3, 10, 2, 3, 0}); }

    bool asked() const {
        QFrame* question = child<QFrame>("Panel_KousinChuusi");
        return question && question->isVisible();
    }
    // F2 on the command panel, which is open.
    void open() {
        key(Qt::Key_F2);
        ASSERT_TRUE(screen()->isVisible());
    }
    // How often each team of the draft stands in the revised line-up's group rows.
    std::vector<int> timesPlaced() const {
        std::vector<int> times(kTeamPositions + 1, 0);
        for (int i = 0; i < kTeamPositions; ++i)
            if (const int team = model().NextTermTeam[i]; team >= 1 && team <= kTeamPositions) ++times[team];
        return std::vector<int>(times.begin() + 1, times.begin() + 31);
    }
};

TEST_F(ChangeOverLeaving, AHalfExchangeIsAskedAboutAndReopensWithEveryTeamOnce) {
    key(Qt::Key_Escape);
    open();
    move(1, 10, 2, 1);  // A's 10th to B's 1st, and not back
    ASSERT_EQ(revisedCell(1, 10), QString());

    key(Qt::Key_Escape);
    ASSERT_TRUE(asked());
    EXPECT_EQ(text("Label_KousinChuusi"), QStringLiteral("チームの入れ替えを中止しますか？"));
    EXPECT_TRUE(text("Label_KousinChuusiMsg_3").contains(QStringLiteral("更新規則はそのまま残ります")));
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    click(child("Label_NextTeamName_1_01"));  // the screen waits for the answer
    EXPECT_EQ(text("Label_KousinNextJun"), " 1");
    key(Qt::Key_Return);  // "いいえ" is chosen at first
    EXPECT_FALSE(asked());
    EXPECT_TRUE(screen()->isVisible());
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    EXPECT_EQ(revisedCell(2, 1), teamName(10));

    key(Qt::Key_Escape);
    key(Qt::Key_Left);
    key(Qt::Key_Return);  // "はい"
    EXPECT_FALSE(screen()->isVisible());
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(folder_.read("Data/ChangePos.001"), " 10 11 \n") << "the rule stays";

    open();
    EXPECT_EQ(revisedCell(1, 10), teamName(11));
    EXPECT_EQ(revisedCell(2, 1), teamName(10));
    EXPECT_EQ(timesPlaced(), std::vector<int>(30, 1));
    key(Qt::Key_F9);  // nothing but rules: no question
    EXPECT_FALSE(asked());
    EXPECT_FALSE(screen()->isVisible());
}

TEST_F(ChangeOverLeaving, ASuspensionIsAskedAboutAndTheQuestionIsAnsweredByClicks) {
    key(Qt::Key_Escape);
    open();
    move(3, 10, 5, 4);
    click(child("Label_NotChange"));
    ASSERT_TRUE(asked());
    click(child("Label_ChangeExec"));  // F1 of the screen waits too
    EXPECT_TRUE(screen()->isVisible());
    click(child("Label_KousinChuusi_F9_Msg"));
    EXPECT_TRUE(screen()->isVisible());
    EXPECT_EQ(revisedCell(5, 4), teamName(30));
    click(child("Label_Panel_Kousin_F9"));
    click(child("Label_KousinChuusi_F1"));
    EXPECT_FALSE(screen()->isVisible());
    EXPECT_EQ(state().sidePanelOpen, 0);
    open();
    EXPECT_EQ(revisedCell(5, 4), QString()) << "the suspension was thrown away";
}

class UnusedRules : public ChangeOverLeaving {
protected:
    void prepareFiles() override {
        layLeague(folder_, LeagueShape{3, 8, 2, 3, 0});
        // From A's empty 9th row to B1 and back; a temporary rule of the older program.
        folder_.write("Data/ChangePos.001", "  9 11 \n205  3 \n 11  9 \n");
    }
};

TEST_F(UnusedRules, AreNamedAsTheScreenOpensAndTheGapTheyLeaveAtF1) {
    key(Qt::Key_Escape);
    open();
    EXPECT_EQ(shownMessage(), QStringLiteral("■次の更新規則は今回あてはめません：「A1の9位をB2の1位に」（次節案にチーム"
                                             "なし）、「休止中の5行をA1の3位に」（一時規則）■"));
    EXPECT_TRUE(child("Panel_SaveErr")->isVisible());
    EXPECT_EQ(revisedCell(1, 3), teamName(3)) << "the temporary rule places nothing";
    EXPECT_EQ(revisedCell(1, 9), teamName(11));
    EXPECT_EQ(revisedCell(2, 1), QString());

    shownMessage();  // the message goes
    key(Qt::Key_F1);
    EXPECT_EQ(shownMessage(), QStringLiteral("■B2 の 1 位が空いています（更新規則「B2の1位をA1の9位に」）■"));
    EXPECT_TRUE(screen()->isVisible());
}

}  // namespace
