// The team list: writing names into the shown term, the keys of the name boxes, moving a
// team up and down, the conditions of F6, F7 and F8, and the frames that mark the team.

#include "league/ui/team_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "store/data_dir.h"
#include "store/sjis.h"
#include "support/form_fixture.h"
#include "support/records.h"

namespace {

constexpr std::size_t kBlock0 = 32, kBlock1 = 32 + 9200;

std::string field20(const std::string& sjisName) {
    std::string n = sjisName;
    n.resize(20, ' ');
    return n;
}
std::size_t at(std::size_t block, int n) {
    return block + std::size_t(n - 1) * 46;
}
QString box(const char* prefix, int n) {
    return QString::asprintf("%s%02d", prefix, n);
}

class TeamListTest : public FormTest {
protected:
    // Two terms. Group 1 of the newest holds rows 1-3, 9 and 10, each with results against the
    // others, and in row 8 a name that cannot be shown; the older term holds the same names.
    // Record 7 of the register is 桜台's; records 9 and 10 belong to the teams in rows 9 and 10.
    void prepareFiles() override {
        const char* names[kTeamsPerGroup] = {"港北", "桜台", "緑ヶ丘", "", "", "", "", "", "九番", "十番"};
        const char* results[kTeamsPerGroup] = {" 12     31", "2 3     12", "13      2 ", "",           "",
                                               "",           "",           "",           "3 1      2", "212     1 "};
        std::string block0 = repeatRecord(kEmptyResult, kTeamPositions), block1 = block0;
        for (int r = 0; r < kTeamsPerGroup; ++r) {
            if (!*names[r]) continue;
            std::string rec =
                name20(names[r]) + field20(results[r]).substr(0, 10) + " 1 1    0.50 " + std::to_string(r % 10) + " \n";
            block0.replace(std::size_t(r) * 46, 46, rec);
            block1.replace(std::size_t(r) * 46, 46, name20(names[r]) + kEmptyResult.substr(20));
        }
        // Row 8 holds bytes that are no character at all, as a damaged file might.
        block0.replace(7 * 46, 20, field20(std::string("\x82\x58") + "AB"));
        results_ = header("381380") + block0 + block1;
        folder_.write(files::kResults, results_);
        register_ = repeatRecord(kEmptyTeam, kTeamPositions);
        register_.replace(6 * 1000 + 611, 20, name20("桜台"));
        for (int n : {9, 10}) {
            register_.replace(std::size_t(n - 1) * 1000, 16, field20("Rep" + std::to_string(n)).substr(0, 16));
            register_.replace(std::size_t(n - 1) * 1000 + 611, 20, name20(names[n - 1]));
        }
        folder_.write(files::kTeamRegister, register_);
    }
    static std::string header(std::string keys) {
        keys.resize(30, ' ');
        return keys + " \n";
    }

    TeamList* list() const { return form_->findChild<TeamList*>(); }
    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QColor pen(int n) const { return child<FramedShape>(box("Shape_TeamName_", n))->penColor(); }
    void enter(int n) {
        click(child(box("Edit_TeamName_", n)));
        ASSERT_EQ(focusName(), box("Edit_TeamName_", n));
    }
    void replaceName(const QString& name) {
        key(Qt::Key_A, Qt::ControlModifier);
        typeText(name);
    }
    std::string stored(std::size_t block, int n) const {
        return folder_.read(files::kResults).substr(at(block, n), 20);
    }

    std::string results_;
    std::string register_;
};

TEST_F(TeamListTest, ANameTypedIntoAnEmptyRowIsStoredPaddedAndCounted) {
    EXPECT_EQ(text("Label_TeamDs"), "6");
    enter(4);
    EXPECT_EQ(recordedFocus(), "Edit_TeamName_04");
    EXPECT_EQ(pen(4), form_colors::kRed);
    EXPECT_EQ(text("Label_HelpMsg_01"),
              QStringLiteral("チーム名を全角10文字以内で入力します．上位ほど強いチームです．入力後[Enter]キーで詳細"
                             "情報の入力に変わります．"));
    typeText(QStringLiteral("城山クラブ"));
    key(Qt::Key_Down);

    EXPECT_EQ(focusName(), "Edit_TeamName_05");
    EXPECT_EQ(text("Label_TeamDs"), "7");
    EXPECT_EQ(text("Label_GyouTeamName_04"), QStringLiteral("城山クラブ"));
    EXPECT_EQ(pen(4), form_colors::kSilver);
    EXPECT_EQ(pen(5), form_colors::kRed);
    // Only the name bytes of record 4 in the newest term changed.
    std::string expected = results_;
    expected.replace(at(kBlock0, 4), 20, name20("城山クラブ"));
    EXPECT_EQ(folder_.read(files::kResults), expected);
    // The team register gave the new name the first free record; rows 1, 3 and 8 took
    // records 1 to 3 when they were first shown.
    EXPECT_EQ(folder_.read(files::kTeamRegister).substr(3 * 1000 + 611, 20), name20("城山クラブ"));
}

TEST_F(TeamListTest, RenamingInOneTermLeavesTheOtherTermAndTheRestOfTheRecordAlone) {
    enter(1);
    EXPECT_EQ(text("Edit_TeamName_01"), QStringLiteral("港北"));
    replaceName(QStringLiteral("港北レッズ"));
    enter(3);
    std::string expected = results_;
    expected.replace(at(kBlock0, 1), 20, name20("港北レッズ"));
    EXPECT_EQ(folder_.read(files::kResults), expected);
    EXPECT_EQ(stored(kBlock1, 1), name20("港北"));

    // A blank name empties the slot and the total goes down.
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    key(Qt::Key_Up);
    EXPECT_EQ(stored(kBlock0, 3), std::string(20, ' '));
    EXPECT_EQ(text("Label_TeamDs"), "5");
}

TEST_F(TeamListTest, EnterWritesOnceAndMovesOnToTheTeamsDetails) {
    enter(2);
    replaceName(QStringLiteral("桜台ベアーズ"));
    key(Qt::Key_Return);
    EXPECT_EQ(stored(kBlock0, 2), name20("桜台ベアーズ"));
    // The focus moves on to the team's details, and the name box was left without writing again.
    EXPECT_EQ(focusName(), "Edit_SyousaiDaihyouName");
    EXPECT_EQ(text("Label_SyousaiName"), QStringLiteral("桜台ベアーズ"));
    std::string file = folder_.read(files::kResults);
    file.replace(at(kBlock0, 2), 20, name20("外から"));
    folder_.write(files::kResults, file);
    enter(3);
    EXPECT_EQ(stored(kBlock0, 2), name20("外から"));
}

TEST_F(TeamListTest, ArrowsWrapBetweenTheFirstAndTheTenthRow) {
    enter(8);
    enter(1);
    key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "Edit_TeamName_10");
    EXPECT_EQ(recordedFocus(), "Edit_TeamName_10");
    EXPECT_EQ(model().currentRecordNo, 10);
    key(Qt::Key_Down);
    EXPECT_EQ(focusName(), "Edit_TeamName_01");
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), "Edit_TeamName_01");
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(folder_.read(files::kResults), results_) << "names left as they were keep their bytes";
}

TEST_F(TeamListTest, MovesExchangeNeighboursWithAllTheirResultsButNotPastTheEnds) {
    const std::string registerShown = folder_.read(files::kTeamRegister);
    enter(1);
    key(Qt::Key_F2);
    enter(10);
    key(Qt::Key_F4);
    EXPECT_EQ(folder_.read(files::kResults), results_);
    EXPECT_EQ(folder_.read(files::kTeamRegister), registerShown);

    enter(9);
    key(Qt::Key_F4);
    std::string expected = results_;
    expected.replace(at(kBlock0, 9), 46, results_.substr(at(kBlock0, 10), 46));
    expected.replace(at(kBlock0, 10), 46, results_.substr(at(kBlock0, 9), 46));
    for (int n = 1; n <= kTeamsPerGroup; ++n) std::swap(expected[at(kBlock0, n) + 28], expected[at(kBlock0, n) + 29]);
    EXPECT_EQ(folder_.read(files::kResults), expected);
    EXPECT_EQ(expected.substr(at(kBlock0, 1) + 20, 10), " 12     13");
    EXPECT_EQ(expected.substr(at(kBlock0, 9) + 20, 10), "212      1");

    // The screen shows the new order; the focus and the red frame follow the team to row 10.
    EXPECT_EQ(text("Edit_TeamName_09"), QStringLiteral("十番"));
    EXPECT_EQ(text("Label_GyouTeamName_10"), QStringLiteral("九番"));
    EXPECT_EQ(text("Label_Sel_1_10"), QStringLiteral("△"));
    EXPECT_EQ(focusName(), "Edit_TeamName_10");
    EXPECT_EQ(pen(10), form_colors::kRed);
    EXPECT_EQ(pen(9), form_colors::kSilver);

    // So did the two register records, whole.
    const std::string reg = folder_.read(files::kTeamRegister);
    EXPECT_EQ(reg.substr(8000, 1000), register_.substr(9000, 1000));
    EXPECT_EQ(reg.substr(9000, 1000), register_.substr(8000, 1000));
}

TEST_F(TeamListTest, ANameTypedJustBeforeAMoveGoesWithItsTeam) {
    enter(4);
    typeText(QStringLiteral("新入り"));
    key(Qt::Key_F2);
    EXPECT_EQ(stored(kBlock0, 3), name20("新入り"));
    EXPECT_EQ(stored(kBlock0, 4), name20("緑ヶ丘"));
    EXPECT_EQ(text("Edit_TeamName_04"), QStringLiteral("緑ヶ丘"));
    EXPECT_EQ(focusName(), "Edit_TeamName_03");
}

TEST_F(TeamListTest, TwoPressesMoveATeamTwoRows) {
    enter(5);
    const QString team = text("Edit_TeamName_05");
    key(Qt::Key_F2);
    key(Qt::Key_F2);
    EXPECT_EQ(text("Edit_TeamName_03"), team);
    EXPECT_EQ(focusName(), "Edit_TeamName_03");
    key(Qt::Key_F4);
    EXPECT_EQ(text("Edit_TeamName_04"), team);
    EXPECT_EQ(model().currentRecordNo, 4);
}

TEST_F(TeamListTest, PanelKeysAreAcceptedOnlyUnderTheirConditions) {
    QList<int> withdrawn, suspended, returned;
    takeCommand(&FormCommands::openWithdrawal, [&](int n) { withdrawn << n; });
    takeCommand(&FormCommands::openSuspension, [&](int n) { suspended << n; });
    takeCommand(&FormCommands::openReturn, [&](int n) { returned << n; });

    enter(4);
    key(Qt::Key_F6);
    key(Qt::Key_F7);
    key(Qt::Key_F8);
    typeText(QStringLiteral(" 空白"));
    key(Qt::Key_F6);
    enter(2);
    key(Qt::Key_F6);
    key(Qt::Key_F7);
    changeModel().suspendedCount = 1;
    key(Qt::Key_F8);
    EXPECT_EQ(withdrawn, QList<int>{2});
    EXPECT_EQ(suspended, QList<int>{2});
    EXPECT_EQ(returned, QList<int>{2});
}

TEST_F(TeamListTest, LimeFramesKeepTheirColourWhateverElseHappens) {
    auto* frame = child<FramedShape>("Shape_TeamName_02");
    frame->setPenColor(form_colors::kLime);
    enter(2);
    EXPECT_EQ(pen(2), form_colors::kLime);
    key(Qt::Key_Down);
    EXPECT_EQ(pen(2), form_colors::kLime);
    EXPECT_EQ(pen(3), form_colors::kRed);
    click(child("Edit_Kyuu_02"));
    click(child("Edit_Kyuu_01"));
    EXPECT_EQ(pen(2), form_colors::kLime);
    EXPECT_EQ(pen(1), form_colors::kRed);
}

TEST_F(TeamListTest, AFullWidthNameFillsTheFieldAndNoMore) {
    enter(5);
    typeText(QStringLiteral("一二三四五六七八九十"));
    typeText(QStringLiteral("百"));
    key(Qt::Key_Down);
    EXPECT_EQ(stored(kBlock0, 5), sjis::fromUnicode("一二三四五六七八九十"));
    typeText(QStringLiteral("a一二三四五六七八九十"));
    key(Qt::Key_Down);
    EXPECT_EQ(stored(kBlock0, 6), name20("a一二三四五六七八九"));
    typeText(QStringLiteral("😀"));
    EXPECT_EQ(text("Edit_TeamName_07"), "");
}

TEST_F(TeamListTest, WhatIsTypedWhenTheWindowClosesIsKept) {
    enter(4);
    typeText(QStringLiteral("最後"));
    closeForm();
    EXPECT_EQ(stored(kBlock0, 4), name20("最後"));
}

TEST_F(TeamListTest, EnteringARowFindsTheTeamsRegisterRecordByName) {
    enter(2);
    EXPECT_EQ(model().detailRecordNo, 7);
    EXPECT_EQ(model().currentRecordNo, 2);
    EXPECT_EQ(model().selectedRow, 1);
    enter(5);
    EXPECT_EQ(model().detailRecordNo, 0);
    // Once named, the row's details have a record of their own (1 to 3 went to rows 1, 3, 8).
    typeText(QStringLiteral("新チーム"));
    key(Qt::Key_Return);
    EXPECT_EQ(model().detailRecordNo, 4);
}

TEST_F(TeamListTest, WhileAPanelIsOpenANameBoxIsNeitherEnteredNorWritten) {
    enter(1);
    key(Qt::Key_Escape);
    ASSERT_EQ(focusName(), "Edit_CommandChoose");
    click(child("Edit_TeamName_03"));
    EXPECT_EQ(model().selectedRow, 2) << "the row is recorded even so";
    EXPECT_EQ(recordedFocus(), "Edit_CommandChoose");
    typeText(QStringLiteral("だめ"));
    key(Qt::Key_Down);
    QMetaObject::invokeMethod(form_->errorMessageTimer(), "timeout");
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(text("Edit_TeamName_03"), QStringLiteral("緑ヶ丘"));
    EXPECT_EQ(folder_.read(files::kResults), results_);
}

}  // namespace
