// The withdrawal and suspension panel, the list of suspended teams and the linked-mode box,
// driven with keys and clicks as the organiser uses them, checked on screen and on disk.

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/timed_messages.h"
#include "store/capacities.h"
#include "store/data_dir.h"
#include "store/file_io.h"
#include "store/text_ops.h"
#include "support/form_fixture.h"
#include "support/records.h"

namespace {

QString box(const char* prefix, int n) {
    return QString::asprintf("%s%02d", prefix, n);
}

std::string utf8Name(int id) {
    return "チーム" + std::to_string(id);
}

std::string details(int id) {
    return teamRecord("代表" + std::to_string(id), utf8Name(id), char('a' + id % 26));
}

class SuspensionPanels : public FormTest {
protected:
    // Groups 1-3 hold 10, 7 and 5 teams; every team of group 1 beat every team below it.
    void prepareFiles() override { lay({10, 7, 5}, 3); }

    void lay(std::initializer_list<int> counts, int suspended) {
        std::string block = repeatRecord(kEmptyResult, kTeamPositions);
        std::string reg = teamRegister();
        int g = 0;
        for (int n : counts) {
            for (int r = 0; r < n; ++r) {
                const int id = positionNumber(g, r);
                std::string results;
                for (int c = 0; c < kTeamsPerGroup; ++c) results += c >= n || c == r ? ' ' : c > r ? '1' : '2';
                block.replace(std::size_t(id - 1) * 46, 46, resultRecord(utf8Name(id), results));
                reg.replace(std::size_t(id - 1) * 1000, 1000, details(id));
            }
            ++g;
        }
        folder_.write(files::kResults, resultsHeader("381") + block);
        folder_.write(files::kTeamRegister, reg);
        std::string list;
        for (int k = 0; k < suspended; ++k) list += details(900 + k);
        folder_.write(files::kSuspended, list);
    }

    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QColor pen(const QString& shape) const { return child<FramedShape>(shape)->penColor(); }
    void enterGroup(int g) { click(child(box("Edit_Kyuu_", g))); }
    void enterTeam(int n) {
        click(child(box("Edit_TeamName_", n)));
        ASSERT_EQ(focusName(), box("Edit_TeamName_", n));
    }
    // The timed message as the user sees it once its timer has shown it; empty when none came.
    bool visible(const char* panel) const { return child<QFrame>(panel)->isVisible(); }
    // The names the group table shows in rows 1..10 of the shown group.
    QStringList rows() const {
        QStringList names;
        for (int r = 1; r <= kTeamsPerGroup; ++r) names << text(box("Label_GyouTeamName_", r));
        while (!names.isEmpty() && names.last().isEmpty()) names.removeLast();
        return names;
    }
    std::string storedRecord(int recordNo) const {
        return folder_.read(files::kResults).substr(std::size_t(resultAt(0, recordNo)), 46);
    }
};

QString name(int id) {
    return QString::fromStdString(utf8Name(id));
}

TEST_F(SuspensionPanels, SuspensionInLinkedModeKeepsEveryGroupsCountAndThenUnlinkedOnlyThisOne) {
    auto* allTeam = child<QCheckBox>("CheckBox_AllTeam");
    EXPECT_TRUE(allTeam->isChecked());
    EXPECT_EQ(allTeam->text(), QStringLiteral("連動して全チーム更新"));
    EXPECT_EQ(text("Label_KyuusiDs"), "3");

    enterTeam(3);
    key(Qt::Key_F7);
    ASSERT_TRUE(visible("Panel_Delete"));
    EXPECT_EQ(focusName(), "Edit_Panel_DeleteCommandChoose");
    EXPECT_EQ(state().focusCode, 9020);
    EXPECT_EQ(child<QFrame>("Panel_Delete")->pos(), QPoint(422, 248));
    EXPECT_EQ(text("Label_DeleteTeamName"), name(3));
    EXPECT_EQ(text("Label_TaikaiOrKyuubu"), QStringLiteral("の 休部 を実行しますか？"));
    EXPECT_EQ(text("Label_Rendou"), QStringLiteral("★ ほかの 級・部 に連動します ★"));
    EXPECT_EQ(pen("Shape_TeamName_03"), form_colors::kLime);
    EXPECT_EQ(pen("Shape_Label_PanelDelete_F9"), form_colors::kRed);
    EXPECT_EQ(pen("Shape_Label_PanelDelete_F1"), form_colors::kGray);
    // F1 is no key here; a click on "F1" performs.
    key(Qt::Key_F1);
    ASSERT_TRUE(visible("Panel_Delete"));
    click(child("Label_PanelDelete_F1"));

    EXPECT_FALSE(visible("Panel_Delete"));
    EXPECT_EQ(focusName(), "Edit_TeamName_03");
    EXPECT_EQ(pen("Shape_TeamName_03"), form_colors::kRed);
    EXPECT_EQ(text("Label_KyuusiDs"), "4");
    EXPECT_EQ(text("Label_TeamDs"), "21");
    EXPECT_EQ(rows(), (QStringList{name(1), name(2), name(4), name(5), name(6), name(7), name(8), name(9), name(10),
                                   name(11)}));
    // Team 4 keeps its win over team 5 and loses its column's result against team 3; team 11
    // comes up with no results in this group.
    EXPECT_EQ(text("Label_Sel_3_4"), QStringLiteral("○"));
    EXPECT_EQ(text("Label_Sel_1_3"), QStringLiteral("○"));
    EXPECT_EQ(text("Label_Sel_10_1"), QStringLiteral("　"));
    EXPECT_EQ(text("Label_Win_10"), " 0");
    EXPECT_EQ(folder_.read(files::kSuspended).substr(3000), details(3));
    EXPECT_EQ(folder_.read(files::kTeamRegister).substr(9000, 1000), details(11));
    enterGroup(2);
    EXPECT_EQ(rows().size(), 7);
    enterGroup(3);
    EXPECT_EQ(rows(), (QStringList{name(22), name(23), name(24), name(25)}));

    // Unlinked: ← highlights "F1", [Enter] performs, and only group 1 shrinks.
    click(allTeam);
    EXPECT_EQ(model().allTeamsLinked, 0);
    enterGroup(1);
    enterTeam(3);
    key(Qt::Key_F7);
    EXPECT_EQ(text("Label_Rendou"), QStringLiteral("★ 同 休・部 内だけ影響します ★"));
    key(Qt::Key_Left);
    EXPECT_EQ(pen("Shape_Label_PanelDelete_F1"), form_colors::kRed);
    key(Qt::Key_Return);
    EXPECT_EQ(rows(), (QStringList{name(1), name(2), name(5), name(6), name(7), name(8), name(9), name(10), name(11)}));
    EXPECT_EQ(text("Label_KyuusiDs"), "5");
    EXPECT_EQ(folder_.read(files::kSuspended).substr(4000), details(4));
    enterGroup(2);
    EXPECT_EQ(rows().size(), 7);

    // A withdrawal asks about 退会 and does not go onto the list.
    enterGroup(1);
    enterTeam(1);
    key(Qt::Key_F6);
    EXPECT_EQ(text("Label_TaikaiOrKyuubu"), QStringLiteral("の 退会 を実行しますか？"));
    click(child("Label_PanelDelete_F1_Msg"));
    EXPECT_EQ(rows().first(), name(2));
    EXPECT_EQ(text("Label_KyuusiDs"), "5");
}

TEST_F(SuspensionPanels, ASuspensionThatCannotBeSavedIsToldAndTheTeamStays) {
    const std::string results = folder_.read(files::kResults), list = folder_.read(files::kSuspended);
    const std::string path = folder_.path(files::kSuspended);
    fileio::testing::failWritesWhen(
        [path](const fileio::testing::WriteAttempt& a) { return a.path.rfind(path, 0) == 0; });
    enterTeam(3);
    key(Qt::Key_F7);
    click(child("Label_PanelDelete_F1"));
    EXPECT_EQ(shownMessage(), QStringLiteral("■Kyuubu.001 に保存できませんでした（書き込みが許可されていません）■"));
    fileio::testing::reset();
    EXPECT_EQ(text("Label_GyouTeamName_03"), name(3));
    EXPECT_EQ(text("Label_KyuusiDs"), "3");
    EXPECT_EQ(folder_.read(files::kResults), results);
    EXPECT_EQ(folder_.read(files::kSuspended), list);
}

TEST_F(SuspensionPanels, EnterWhileShinaiIsHighlightedEscapeAndShinaiChangeNothing) {
    const std::string results = folder_.read(files::kResults);
    enterTeam(2);
    key(Qt::Key_F7);
    key(Qt::Key_Return);  // "F9" is highlighted
    EXPECT_FALSE(visible("Panel_Delete"));
    EXPECT_EQ(focusName(), "Edit_TeamName_02");
    key(Qt::Key_F6);
    key(Qt::Key_Left);
    key(Qt::Key_Escape);
    EXPECT_FALSE(visible("Panel_Delete"));
    key(Qt::Key_F6);
    click(child("Label_PanelDelete_F9_Msg"));
    EXPECT_FALSE(visible("Panel_Delete"));
    EXPECT_EQ(folder_.read(files::kResults), results);
    EXPECT_EQ(text("Label_KyuusiDs"), "3");
}

TEST_F(SuspensionPanels, WhileAPanelIsOpenOtherFieldsAndTheModeBoxAreRefused) {
    enterTeam(2);
    key(Qt::Key_F7);
    click(child("Edit_TeamName_05"));
    QMetaObject::invokeMethod(form_->errorMessageTimer(), "timeout");
    EXPECT_EQ(focusName(), "Edit_Panel_DeleteCommandChoose");
    click(child("CheckBox_AllTeam"));
    EXPECT_TRUE(child<QCheckBox>("CheckBox_AllTeam")->isChecked());
    EXPECT_EQ(model().allTeamsLinked, 1);
}

class ManySuspended : public SuspensionPanels {
protected:
    void prepareFiles() override { lay({10, 10, 3}, 15); }
};

TEST_F(ManySuspended, TheListScrollsAndF8ReturnsTheTwelfthTeamWithItsDetails) {
    enterTeam(4);
    key(Qt::Key_F8);
    ASSERT_TRUE(visible("Panel_Kyuubu"));
    EXPECT_EQ(child<QFrame>("Panel_Kyuubu")->pos(), QPoint(272, 36));
    EXPECT_EQ(focusName(), "Edit_KyuubuChoose");
    EXPECT_EQ(state().focusCode, 9050);
    EXPECT_EQ(text("Label_KyuubuDs"), "15");
    EXPECT_EQ(text("Label_KyuubuRendou"), QStringLiteral("★ ほかの 級・部 に連動します ★"));
    EXPECT_EQ(text("Label_KyuubuName_10"), name(909));
    EXPECT_EQ(pen("Shape_KyuubuName_01"), form_colors::kRed);
    EXPECT_EQ(pen("Shape_TeamName_04"), form_colors::kLime);
    key(Qt::Key_Up);  // at the top: nothing
    EXPECT_EQ(text("Label_KyuubuName_01"), name(900));
    EXPECT_EQ(pen("Shape_KyuubuName_01"), form_colors::kRed);

    for (int i = 0; i < 11; ++i) key(Qt::Key_Down);
    EXPECT_EQ(text("Label_KyuubuName_01"), name(902));
    EXPECT_EQ(text("Label_KyuubuName_10"), name(911));
    EXPECT_EQ(pen("Shape_KyuubuName_10"), form_colors::kRed);
    EXPECT_EQ(pen("Shape_KyuubuName_09"), form_colors::kSilver);
    key(Qt::Key_F8);

    EXPECT_FALSE(visible("Panel_Kyuubu"));
    EXPECT_EQ(focusName(), "Edit_TeamName_04");
    EXPECT_EQ(pen("Shape_TeamName_04"), form_colors::kRed);
    EXPECT_EQ(text("Label_KyuusiDs"), "14");
    EXPECT_EQ(text("Label_GyouTeamName_04"), name(911));
    EXPECT_EQ(text("Label_GyouTeamName_05"), name(4));
    EXPECT_EQ(text("Label_Sel_4_1"), QStringLiteral("　"));
    EXPECT_EQ(text("Label_Win_04"), " 0");
    EXPECT_EQ(storedRecord(4), resultRecord(utf8Name(911), std::string(22, ' ') + " 9"));
    EXPECT_EQ(folder_.read(files::kTeamRegister).substr(3000, 1000), details(911));
    // Linked: group 1's last team heads group 2, whose last team heads group 3.
    enterGroup(2);
    EXPECT_EQ(rows().first(), name(10));
    EXPECT_EQ(rows().size(), 10);
    enterGroup(3);
    EXPECT_EQ(rows(), (QStringList{name(20), name(21), name(22), name(23)}));
}

TEST_F(ManySuspended, DownStopsAtTheLastEntryAndClicksActLikeKeys) {
    enterTeam(1);
    key(Qt::Key_F8);
    for (int i = 0; i < 20; ++i) key(Qt::Key_Down);
    EXPECT_EQ(text("Label_KyuubuName_01"), name(905));
    EXPECT_EQ(text("Label_KyuubuName_10"), name(914));
    EXPECT_EQ(pen("Shape_KyuubuName_10"), form_colors::kRed);
    click(child("Label_Panel_Kyuubu_F6_Taikai_Msg"));  // the last one withdraws for good
    EXPECT_FALSE(visible("Panel_Kyuubu"));
    EXPECT_EQ(text("Label_KyuusiDs"), "14");
    EXPECT_EQ(folder_.size(files::kSuspended), 14000);
    key(Qt::Key_F8);
    click(child("Label_Panel_Kyuubu_F9_Close"));
    EXPECT_FALSE(visible("Panel_Kyuubu"));
    EXPECT_EQ(focusName(), "Edit_TeamName_01");
    EXPECT_EQ(text("Label_KyuusiDs"), "14");
}

class OneSuspended : public SuspensionPanels {
protected:
    void prepareFiles() override { lay({10, 3}, 1); }
};

TEST_F(OneSuspended, WithdrawingTheOnlySuspendedTeamEmptiesTheList) {
    enterTeam(2);
    key(Qt::Key_F8);
    EXPECT_EQ(text("Label_KyuubuName_02"), QString());
    key(Qt::Key_Down);  // the only entry is the last
    EXPECT_EQ(pen("Shape_KyuubuName_01"), form_colors::kRed);
    key(Qt::Key_F6);
    EXPECT_EQ(folder_.size(files::kSuspended), 0);
    EXPECT_EQ(text("Label_KyuusiDs"), "0");
    key(Qt::Key_F8);  // nothing left to return
    EXPECT_FALSE(visible("Panel_Kyuubu"));
}

TEST_F(OneSuspended, EachRefusalIsToldAndLeavesEveryFileAsItWas) {
    const std::string results = folder_.read(files::kResults), reg = folder_.read(files::kTeamRegister),
                      list = folder_.read(files::kSuspended);
    auto unchanged = [&] {
        EXPECT_EQ(folder_.read(files::kResults), results);
        EXPECT_EQ(folder_.read(files::kTeamRegister), reg);
        EXPECT_EQ(folder_.read(files::kSuspended), list);
    };
    click(child("CheckBox_AllTeam"));
    enterTeam(2);
    key(Qt::Key_F8);
    key(Qt::Key_F8);
    EXPECT_EQ(shownMessage(), QStringLiteral("■この級・部は10チームで満員です■"));
    EXPECT_EQ(text("Label_KyuusiDs"), "1");
    unchanged();
}

class FullList : public SuspensionPanels {
protected:
    void prepareFiles() override { lay({4}, 100); }
};

TEST_F(FullList, TheHundredAndFirstSuspensionIsRefused) {
    const std::string results = folder_.read(files::kResults), list = folder_.read(files::kSuspended);
    enterTeam(2);
    key(Qt::Key_F7);
    key(Qt::Key_Left);
    key(Qt::Key_Return);
    EXPECT_EQ(shownMessage(), QStringLiteral("■休会できるのは100チームまでです■"));
    EXPECT_EQ(rows().size(), 4);
    EXPECT_EQ(folder_.read(files::kResults), results);
    EXPECT_EQ(folder_.read(files::kSuspended), list);
    EXPECT_EQ(text("Label_KyuusiDs"), "100");
}

class EveryGroupFull : public SuspensionPanels {
protected:
    void prepareFiles() override {
        lay({10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 2);
    }
};

TEST_F(EveryGroupFull, ALinkedReturnThatWouldPushATeamPastTheLastGroupIsRefused) {
    const std::string results = folder_.read(files::kResults), list = folder_.read(files::kSuspended);
    enterTeam(5);
    key(Qt::Key_F8);
    key(Qt::Key_F8);
    EXPECT_EQ(shownMessage(), QStringLiteral("■20番目の級・部から先には送れません■"));
    EXPECT_EQ(folder_.read(files::kResults), results);
    EXPECT_EQ(folder_.read(files::kSuspended), list);
}

// Four named groups; group 1 holds ranks typed by hand.
class NamedGroups : public SuspensionPanels {
protected:
    void prepareFiles() override {
        lay({10, 7, 5, 4}, 3);
        folder_.write(files::kGroups, "1A1B2A2B" + std::string(992, ' '));
        std::string results = folder_.read(files::kResults);
        for (int n = 1; n <= 10; ++n) results.replace(std::size_t(resultAt(0, n)) + 42, 2, formatCount(11 - n, 2));
        folder_.write(files::kResults, results);
    }
};

TEST_F(NamedGroups, ALinkedSuspensionNamesTheGroupsItChangesAndIsBackedUpFirst) {
    const std::string before = folder_.read(files::kResults);
    enterGroup(2);
    enterTeam(2);
    key(Qt::Key_F7);
    EXPECT_EQ(text("Label_KawaruBu"), QStringLiteral("1B〜2B の 3 部が変わります"));
    key(Qt::Key_Left);
    key(Qt::Key_Return);
    EXPECT_EQ(rows().size(), 7);
    EXPECT_EQ(folder_.read("Backup/Data-20261208-100000/Seiseki.001"), before);
    EXPECT_EQ(folder_.read("Backup/Data-20261208-100000/Operation.txt"), "休会\n");
    // Group 1 kept its line-up, its results and the ranks typed into it.
    const std::size_t group1 = std::size_t(resultAt(0, 1));
    EXPECT_EQ(folder_.read(files::kResults).substr(group1, 460), before.substr(group1, 460));

    // Unlinked only this group changes; the list of suspended teams names what a return changes.
    click(child("CheckBox_AllTeam"));
    enterTeam(3);
    key(Qt::Key_F6);
    EXPECT_EQ(text("Label_KawaruBu"), QStringLiteral("1B の 1 部だけが変わります"));
    key(Qt::Key_Escape);
    click(child("CheckBox_AllTeam"));
    key(Qt::Key_F8);
    EXPECT_EQ(text("Label_KyuubuKawaruBu"), QStringLiteral("1B〜2B の 3 部が変わります"));
}

}  // namespace
