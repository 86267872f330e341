// The two panels over the change-over screen: the list of stored rules with deleting one,
// and the teams per group.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "form/form_colors.h"
#include "form/timed_messages.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"

namespace {

std::string rule(int target, int source) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d%3d \n", target, source);
    return buf;
}

class ChangeOverPanels : public FormTest {
protected:
    void prepareFiles() override {
        layLeague(folder_, LeagueShape{3, 8, 2, 2, 0});
        std::string rules;
        for (int i = 1; i <= 10; ++i) rules += rule(i, 10 + i);
        rules += rule(5, 250);  // one the older program wrote for the suspended column
        folder_.write("Data/ChangePos.001", rules);
    }
    void SetUp() override {
        FormTest::SetUp();
        key(Qt::Key_Escape);
        key(Qt::Key_F2);
        ASSERT_TRUE(child("Panel_Kousin")->isVisible());
    }
    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QString row(int n, const char* part) const {
        return text(QString::asprintf("Label_KousinSettei_%s_%02d", part, n));
    }
    // Every text of a row as it reads on screen.
    QString rowText(int n) const {
        const QRect frame = child(QString::asprintf("Shape_KousinSettei_%02d", n))->geometry();
        QString text;
        for (QLabel* l : list()->findChildren<QLabel*>())
            if (frame.contains(l->geometry().center()) && l->parent() == list()) text += l->text();
        return text;
    }
    bool selected(int n) const {
        // The selected row's frame is drawn red, two pixels wide.
        QWidget* frame = child(QString::asprintf("Shape_KousinSettei_%02d", n));
        return frame->grab().toImage().pixelColor(1, frame->height() / 2) == form_colors::kRed;
    }
    QFrame* list() const { return child<QFrame>("Panel_KousinSettei"); }
    QFrame* counts() const { return child<QFrame>("Panel_LeagueTeamSuu"); }
};

TEST_F(ChangeOverPanels, TheRuleListShowsEightRulesAtATimeAndDeletesTheSelectedOne) {
    click(child("Label_KousinClearMsg_2"));
    ASSERT_TRUE(list()->isVisible());
    EXPECT_EQ(state().sidePanelOpen, 1);
    EXPECT_EQ(focusName(), "Edit_KousinSetteiCommandChoose");
    EXPECT_EQ(text("Label_KousinSettei_rec"), "1");
    EXPECT_EQ(text("Label_KousinSettei_ds"), "11");
    EXPECT_EQ(row(1, "UpLeagueCode"), "A1");
    EXPECT_EQ(row(1, "UpJun"), " 1");
    EXPECT_EQ(row(1, "DownLeagueCode"), "B2");
    EXPECT_EQ(row(1, "DownJun"), " 1");
    EXPECT_EQ(row(1, "Kind"), QStringLiteral("更新規則として設定"));
    EXPECT_EQ(row(8, "UpJun"), " 8");
    EXPECT_TRUE(selected(1));
    EXPECT_FALSE(selected(2));

    // F5 is refused while the list is open; the list scrolls at its last row.
    key(Qt::Key_F5);
    EXPECT_FALSE(counts()->isVisible());
    for (int i = 0; i < 8; ++i) key(Qt::Key_Down);
    EXPECT_EQ(text("Label_KousinSettei_rec"), "9");
    EXPECT_EQ(row(1, "UpJun"), " 2");
    EXPECT_TRUE(selected(8));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Down);  // the last rule: nothing further
    EXPECT_EQ(text("Label_KousinSettei_rec"), "11");
    EXPECT_EQ(rowText(8), QStringLiteral("A1の 5位を休止予定の50行に一時規則として設定"));

    key(Qt::Key_Up);  // rule 10: target 10, source 20
    const std::string before = folder_.read("Data/ChangePos.001");
    key(Qt::Key_F2);
    ASSERT_TRUE(child("Panel_KousinSetteiKakunin")->isVisible());
    key(Qt::Key_Escape);  // not deleted
    EXPECT_EQ(folder_.read("Data/ChangePos.001"), before);
    click(child("Label_KousinSettei_F2_Delete"));
    key(Qt::Key_Left);  // "する"
    key(Qt::Key_Return);
    EXPECT_EQ(folder_.read("Data/ChangePos.001"), before.substr(0, 72) + before.substr(80));
    EXPECT_EQ(text("Label_KousinSettei_ds"), "10");
    EXPECT_EQ(text("Label_KousinSettei_rec"), "10");
    EXPECT_EQ(row(8, "UpJun"), " 5");

    key(Qt::Key_F9);
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(state().sidePanelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
}

TEST_F(ChangeOverPanels, TheListOpensOnlyWhenARuleIsStoredAndClosesWithItsLast) {
    folder_.write("Data/ChangePos.001", rule(3, 14));
    key(Qt::Key_F9);
    key(Qt::Key_F1);  // the screen no longer shows what the rules give: asked, answered はい
    key(Qt::Key_F2);
    click(child("Label_KousinClearMsg_1"));
    ASSERT_TRUE(list()->isVisible());
    EXPECT_EQ(rowText(1), QStringLiteral("A1の 3位をB2の 4位に更新規則として設定"));
    for (int n = 2; n <= 8; ++n) EXPECT_EQ(rowText(n), QString()) << "row " << n;
    key(Qt::Key_F2);
    key(Qt::Key_F1);
    EXPECT_EQ(folder_.read("Data/ChangePos.001"), "");
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    click(child("Label_KousinClearMsg_1"));
    EXPECT_FALSE(list()->isVisible());
}

TEST_F(ChangeOverPanels, TeamsPerGroupKeysWrapAndF9LeavesEverythingAsItWas) {
    key(Qt::Key_F5);
    ASSERT_TRUE(counts()->isVisible());
    EXPECT_EQ(state().sidePanelOpen, 1);
    EXPECT_EQ(text("Label_Panel_LeagueTeamSuu_Kyuubu_02"), "B2");
    EXPECT_EQ(text("Edit_Panel_LeagueTeamSuu_Kyuubu_03"), " 8");
    EXPECT_EQ(text("Edit_Panel_LeagueTeamSuu_Kyuubu_04"), "");
    key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "Edit_Panel_LeagueTeamSuu_Kyuubu_20");
    key(Qt::Key_Down);
    EXPECT_EQ(focusName(), "Edit_Panel_LeagueTeamSuu_Kyuubu_01");
    QTest::keyClicks(QApplication::focusWidget(), "5");
    key(Qt::Key_Return);
    EXPECT_EQ(text("Edit_Panel_LeagueTeamSuu_Kyuubu_01"), " 5");
    EXPECT_EQ(focusName(), "Edit_Panel_LeagueTeamSuu_Kyuubu_02");
    QTest::keyClicks(QApplication::focusWidget(), "x");
    key(Qt::Key_Home);
    EXPECT_EQ(text("Edit_Panel_LeagueTeamSuu_Kyuubu_02"), "");  // not a number: blank
    click(child("Label_Panel_LeagueTeamSuu_Kyuubu_07"));
    EXPECT_EQ(focusName(), "Edit_Panel_LeagueTeamSuu_Kyuubu_07");

    key(Qt::Key_F9);
    EXPECT_FALSE(counts()->isVisible());
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    EXPECT_EQ(text("Label_AfterTeamSuu_1"), "8");
    EXPECT_EQ(model().resultTeams[0], 8);
    key(Qt::Key_F5);
    EXPECT_EQ(text("Edit_Panel_LeagueTeamSuu_Kyuubu_01"), "8");  // shown trimmed while it is edited
    EXPECT_EQ(text("Edit_Panel_LeagueTeamSuu_Kyuubu_02"), " 8");
    click(child("Label_ChangeLeagueTeanSuu"));  // a second F5 closes it
    EXPECT_FALSE(counts()->isVisible());
}

TEST_F(ChangeOverPanels, CountsThatCannotHoldTheTeamsAreRefused) {
    key(Qt::Key_F5);
    QTest::keyClicks(QApplication::focusWidget(), "-3");
    key(Qt::Key_F2);
    EXPECT_EQ(shownMessage(), QStringLiteral("■A1 の所属チーム数は 0～10 で入力してください■"));
    EXPECT_TRUE(counts()->isVisible());
    EXPECT_EQ(focusName(), "Edit_Panel_LeagueTeamSuu_Kyuubu_01");
    shownMessage();  // its time is up
    child<QLineEdit>("Edit_Panel_LeagueTeamSuu_Kyuubu_01")->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "4");
    click(child("Label_Panel_LeagueTeamSuu_F2_Msg"));
    EXPECT_EQ(shownMessage(),
              QStringLiteral("■所属チーム数の合計が次節のチーム数（24チーム）より少ないため変更できません■"));
    EXPECT_EQ(model().resultTeams[0], 8);
    EXPECT_TRUE(counts()->isVisible());
}

}  // namespace
