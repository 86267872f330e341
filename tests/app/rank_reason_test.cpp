// Why this rank, as the organiser sees it: the pointer on a team's rank box or row label
// shows the rule that placed the team, and moving off gives back the table's own help.

#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "form/form_services.h"
#include "store/results_file.h"
#include "support/form_fixture.h"
#include "support/records.h"

namespace {

const std::string kGridHelp =
    "マウスでクリックすると[○][×][△][  ]が順番に表示されます．|[○]は勝、[×]は負、[△]は引き分けです．";

class RankReason : public FormTest {
protected:
    // Group 1 holds the six teams of the first worked example of the ranking rules.
    void prepareFiles() override {
        std::string file = resultsHeader("220");
        std::string block = termBlock({{1, resultRecord("ライオンズ")},
                                       {2, resultRecord("タイガース")},
                                       {3, resultRecord("ホークス")},
                                       {4, resultRecord("イーグルス")},
                                       {5, resultRecord("カープ")},
                                       {6, resultRecord("ベアーズ")}});
        file += block;
        folder_.write(files::kResults, file);
        folder_.write(files::kGroups, "A1" + std::string(998, ' '));
    }
    void SetUp() override {
        FormTest::SetUp();
        // Each click gives the row team a win over the column team.
        const std::pair<int, int> wins[] = {{1, 2}, {1, 6}, {2, 3}, {2, 6}, {3, 1}, {3, 4},
                                            {4, 1}, {4, 2}, {4, 5}, {4, 6}, {5, 3}, {5, 6}};
        for (auto [a, b] : wins) click(child<QWidget>(QStringLiteral("Label_Sel_%1_%2").arg(a).arg(b)));
    }
    void pointTo(const char* name) {
        QWidget* w = child<QWidget>(name);
        ASSERT_NE(w, nullptr) << name;
        QTest::mouseMove(w, QPoint(w->width() / 2, w->height() / 2));
        QApplication::processEvents();
    }
    std::string help() const {
        return (child<QLabel>("Label_HelpMsg_01")->text() + "|" + child<QLabel>("Label_HelpMsg_02")->text())
            .toStdString();
    }
    std::string line1() const { return child<QLabel>("Label_HelpMsg_01")->text().toStdString(); }
};

TEST_F(RankReason, EachTeamsRankBoxAndRowLabelSayWhichRulePlacedIt) {
    pointTo("Edit_Jun_03");
    EXPECT_EQ(line1(), "同率のまま：確定チーム イーグルスに勝ったため3位");
    pointTo("Edit_Jun_01");
    EXPECT_EQ(line1(), "同率のまま：確定チーム イーグルスに勝てず、直接対決でタイガースに勝ったため4位");
    pointTo("Label_GyouTeamName_04");
    EXPECT_EQ(line1(), "勝率 .800 で単独1位");
    pointTo("Shape_Jun_05");
    EXPECT_EQ(line1(), "勝率 .667 で単独2位");

    // A row without a team has nothing to say: the lines are what the table's help makes them.
    pointTo("Label_Sel_8_1");
    EXPECT_EQ(help(), kGridHelp);
    pointTo("Label_GyouTeamName_08");
    EXPECT_EQ(help(), "|");
    pointTo("Edit_Jun_08");
    EXPECT_EQ(help(), "|");
}

TEST_F(RankReason, MovingOffGivesBackTheTablesOwnPointerHelp) {
    pointTo("Label_Sel_1_2");
    EXPECT_EQ(help(), kGridHelp);
    // The rank box has no help of its own in the table: off it, the grid help is back.
    pointTo("Edit_Jun_02");
    EXPECT_EQ(line1(), "同率のまま：確定チーム イーグルスに勝てず、直接対決でライオンズに負けたため5位");
    pointTo("Label_Equal_02");
    EXPECT_EQ(help(), kGridHelp);

    // The row label is among the controls around the cells: off it, the lines are empty, and
    // a cell shows the grid help again.
    pointTo("Label_GyouTeamName_06");
    EXPECT_EQ(line1(), "勝率 .000 で単独6位");
    pointTo("Label_Win_06");
    EXPECT_EQ(help(), "|");
    pointTo("Label_GyouTeamName_06");
    pointTo("Label_Sel_6_1");
    EXPECT_EQ(help(), kGridHelp);

    // Out of the table altogether.
    pointTo("Edit_Jun_04");
    EXPECT_EQ(line1(), "勝率 .800 で単独1位");
    pointTo("Edit_UserName");
    EXPECT_EQ(help(), kGridHelp);
}

TEST_F(RankReason, RanksKeptByHandAreSaidToBeTypedIn) {
    child<QCheckBox>("CheckBox_JunCal")->setChecked(true);
    pointTo("Edit_Jun_03");
    EXPECT_EQ(line1(), "順位は手入力です（順位計算しない）");

    // A field's own help written meanwhile is not taken away by moving off.
    form_->services().help.setHelp("a", "b");
    pointTo("Label_Equal_03");
    EXPECT_EQ(help(), "a|b");
}

}  // namespace
