// The change-over screen as the organiser uses it: opened from the command panel or the
// new-term panel, teams moved by clicking the two grids and "変更する", the teams per group
// changed, the new term carried out; cancelling, refusals, scrolling and the arrows.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "change_over_fixture.h"
#include "form/timed_messages.h"
#include "league/ui/arrow_picture.h"
#include "store/file_io.h"
#include "support/records.h"

namespace {

class ChangeOverTest : public ChangeOverFixture {
protected:
    // Three groups of ten teams, ten stored terms, three suspended teams, no rules.
    void prepareFiles() override { layLeague(folder_, LeagueShape{3, 10, 10, 3, 0}); }

    // A value typed into an entry box in place of what it held.
    void typeInto(const QString& box, const QString& value) {
        clickNamed(box);
        child<QLineEdit>(box)->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), value);
    }
};

TEST_F(ChangeOverTest, TheOrganiserMovesTeamsChangesCountsAndStartsTheNewTerm) {
    openFromCommandPanel();
    EXPECT_EQ(state().panelOpen, 1);
    EXPECT_EQ(text("Label_PreTeamBu_1"), "A1");
    EXPECT_EQ(text("Label_PreTeamSuu_1"), "10");
    EXPECT_EQ(draftCell(1, 1), teamName(1));
    EXPECT_EQ(draftCell(5, 1), QStringLiteral("休会0"));
    EXPECT_EQ(revisedCell(2, 10), teamName(20));
    EXPECT_EQ(text("Label_KousinPreName"), teamName(1));

    move(1, 10, 2, 1);
    EXPECT_EQ(text("Label_KousinPreBu"), "A1");
    EXPECT_EQ(text("Label_KousinPreJun"), "10");
    EXPECT_EQ(text("Label_KousinPreName"), teamName(10));
    EXPECT_EQ(text("Label_KousinNextBu"), "B2");
    EXPECT_EQ(text("Label_KousinNextJun"), " 1");
    move(2, 1, 1, 10);
    EXPECT_EQ(folder_.read("Data/ChangePos.001"), " 10 11 \n 11 10 \n");
    EXPECT_EQ(revisedCell(1, 10), teamName(11));
    EXPECT_EQ(revisedCell(2, 1), teamName(10));

    key(Qt::Key_F5);
    ASSERT_TRUE(child("Panel_LeagueTeamSuu")->isVisible());
    EXPECT_EQ(focusName(), "Edit_Panel_LeagueTeamSuu_Kyuubu_01");
    EXPECT_EQ(text("Edit_Panel_LeagueTeamSuu_Kyuubu_01"), "10");
    EXPECT_EQ(text("Label_HelpMsg_01"), QStringLiteral("所属するチーム数を変更できます"));
    typeInto("Edit_Panel_LeagueTeamSuu_Kyuubu_02", "9");
    typeInto("Edit_Panel_LeagueTeamSuu_Kyuubu_04", "1");
    key(Qt::Key_F2);
    EXPECT_FALSE(child("Panel_LeagueTeamSuu")->isVisible());
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    EXPECT_EQ(text("Label_AfterTeamSuu_2"), "9");
    EXPECT_EQ(text("Label_AfterTeamSuu_4"), "1");
    EXPECT_EQ(revisedCell(3, 1), teamName(20));

    key(Qt::Key_F1);
    EXPECT_FALSE(screen()->isVisible());
    EXPECT_FALSE(child("Panel_Command")->isVisible());
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(focusName(), "Edit_Kyuu_01");
    EXPECT_EQ(text("Edit_Year"), "39");
    EXPECT_EQ(text("Edit_TeamName_10"), teamName(11));
    EXPECT_EQ(folder_.read("Data/Seiseki.001").substr(0, 3), "390");
    EXPECT_TRUE(folder_.exists("Data/Info.old"));

    closeForm();
    startForm();
    EXPECT_EQ(text("Edit_TeamName_10"), teamName(11));
    click(child("Edit_Bu_02"));
    EXPECT_EQ(text("Edit_TeamName_01"), teamName(10));
    EXPECT_EQ(text("Edit_TeamName_10"), QString());
    click(child("Edit_Bu_04"));
    EXPECT_EQ(text("Edit_TeamName_01"), teamName(30));
}

TEST_F(ChangeOverTest, CancellingGoesBackToWhereTheScreenWasOpenedFrom) {
    openFromCommandPanel();
    key(Qt::Key_F5);
    typeInto("Edit_Panel_LeagueTeamSuu_Kyuubu_01", "9");
    typeInto("Edit_Panel_LeagueTeamSuu_Kyuubu_04", "1");
    key(Qt::Key_F2);
    ASSERT_EQ(model().resultTeams[3], 1);
    key(Qt::Key_F9);  // new counts are no rule: asked first, answered はい
    ASSERT_NE(child("Panel_KousinChuusi"), nullptr);
    ASSERT_TRUE(child("Panel_KousinChuusi")->isVisible());
    key(Qt::Key_F1);
    EXPECT_EQ(model().resultTeams[0], 10) << "the newest term's counts again";
    EXPECT_EQ(model().resultTeams[3], 0);
    EXPECT_FALSE(screen()->isVisible());
    EXPECT_TRUE(child("Panel_Command")->isVisible());
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    key(Qt::Key_F2);
    clickNamed("Label_NotChange");
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    key(Qt::Key_Escape);
    EXPECT_EQ(state().panelOpen, 0);

    // From the new-term panel (38 前期 is made not stored): the year box and the marks name
    // the newest term again.
    closeForm();
    std::string results = folder_.read("Data/Seiseki.001");
    results.replace(3, 3, "371");
    folder_.write("Data/Seiseki.001", results);
    startForm();
    click(child("Label_Zenki"));
    ASSERT_EQ(focusName(), "Edit_Year");
    child<QLineEdit>("Edit_Year")->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "38");
    key(Qt::Key_Return);
    ASSERT_TRUE(child("Panel_NewData")->isVisible());
    releasePanelKeys();
    key(Qt::Key_F1);
    ASSERT_TRUE(screen()->isVisible());
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    EXPECT_FALSE(form_->errorMessageTimer()->isActive()) << "no field was entered on the way";
    key(Qt::Key_Escape);
    EXPECT_FALSE(screen()->isVisible());
    EXPECT_EQ(state().panelOpen, 0);
    EXPECT_EQ(text("Edit_Year"), "38");
    EXPECT_EQ(model().termHalf, 1);
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_EQ(folder_.read("Data/Seiseki.001").substr(0, 3), "381");
}

TEST_F(ChangeOverTest, AnIncompleteLineUpIsRefusedWithItsReasonAndTheScreenStaysOpen) {
    openFromCommandPanel();
    move(1, 10, 2, 1);  // half an exchange
    const std::string results = folder_.read("Data/Seiseki.001"), snapshot = folder_.read("Data/Info.old");
    key(Qt::Key_F1);
    EXPECT_EQ(shownMessage(), QStringLiteral("■A1 の 10 位が空いています（更新規則「A1の10位をB2の1位に」）■"));
    EXPECT_TRUE(screen()->isVisible());
    EXPECT_EQ(focusName(), "Edit_KousinCommandChoose");
    EXPECT_EQ(folder_.read("Data/Seiseki.001"), results);
    EXPECT_EQ(folder_.read("Data/Info.old"), snapshot);
    EXPECT_FALSE(folder_.exists("Backup"));
}

TEST_F(ChangeOverTest, AnEmptyDraftCellOrAMissingRevisedCellMovesNothing) {
    openFromCommandPanel();
    move(4, 1, 1, 1);  // the fourth group has no team: its cells are empty
    EXPECT_EQ(revisedCell(1, 1), teamName(1));
    move(5, 5, 5, 1);  // no fifth suspended team either
    EXPECT_EQ(revisedCell(5, 1), QStringLiteral("休会0"));

    clickNamed("Label_PreTeamName_1_02");
    clickNamed("Label_KousinExec");  // no revised cell chosen
    EXPECT_EQ(shownMessage(), QStringLiteral("■下段の移す先をクリックしてから「変更する」を押してください■"));
    EXPECT_EQ(revisedCell(1, 2), teamName(2));
    EXPECT_FALSE(folder_.exists("Data/ChangePos.001") && !folder_.read("Data/ChangePos.001").empty());
    key(Qt::Key_F9);
    EXPECT_FALSE(screen()->isVisible()) << "nothing changed, nothing asked";
}

TEST_F(ChangeOverTest, AMoveWhoseRuleCannotBeStoredIsNotShown) {
    openFromCommandPanel();
    const std::string path = folder_.path("Data/ChangePos.001");
    fileio::testing::failWritesWhen(
        [path](const fileio::testing::WriteAttempt& a) { return a.path.rfind(path, 0) == 0; });
    move(1, 10, 2, 1);
    fileio::testing::reset();
    EXPECT_EQ(shownMessage(), QStringLiteral("■ChangePos.001 に保存できませんでした（書き込みが許可されていません）■"));
    EXPECT_EQ(revisedCell(1, 10), teamName(10));
    EXPECT_EQ(revisedCell(2, 1), teamName(11));
    EXPECT_FALSE(folder_.exists("Data/ChangePos.001") && !folder_.read("Data/ChangePos.001").empty());
    key(Qt::Key_F9);
    EXPECT_FALSE(screen()->isVisible());
}

TEST_F(ChangeOverTest, SuspendingAndReturningTeamsOnScreen) {
    openFromCommandPanel();
    move(3, 5, 5, 1);  // C5 to the first row of 休止予定
    EXPECT_EQ(revisedCell(5, 1), teamName(25));
    EXPECT_EQ(revisedCell(5, 2), QStringLiteral("休会0"));
    EXPECT_EQ(revisedCell(3, 5), teamName(26));
    EXPECT_EQ(text("Label_AfterTeamSuu_3"), "9");
    EXPECT_EQ(text("Label_KousinNextBu"), QStringLiteral("休止予定"));
    EXPECT_EQ(text("Label_KousinNextI"), QStringLiteral("行"));

    // A return into the full last group is refused; a return into C's free row is taken.
    move(5, 2, 3, 1);
    EXPECT_EQ(revisedCell(3, 1), QStringLiteral("休会1"));
    EXPECT_EQ(text("Label_AfterTeamSuu_3"), "10");
    move(5, 3, 3, 4);
    EXPECT_EQ(shownMessage(), QStringLiteral("■C3 は10チームのため、これ以上チームを入れられません■"));
    EXPECT_EQ(revisedCell(3, 4), teamName(23));
    EXPECT_EQ(folder_.read("Data/ChangePos.001"), "");
}

TEST_F(ChangeOverTest, ScrollingShowsLaterGroupsOfTheDraftAsItWasAtOpening) {
    openFromCommandPanel();
    move(1, 10, 2, 1);
    auto* right = child<ArrowPicture>("Image_Before_Right");
    auto* left = child<ArrowPicture>("Image_Before_Left");
    QTest::mousePress(left, Qt::LeftButton);
    EXPECT_FALSE(left->isPressed()) << "nothing to scroll to";
    QTest::mouseRelease(left, Qt::LeftButton);
    QTest::mousePress(right, Qt::LeftButton);
    EXPECT_TRUE(right->isPressed());
    QTest::mouseRelease(right, Qt::LeftButton);
    EXPECT_FALSE(right->isPressed());
    EXPECT_EQ(text("Label_PreTeamBu_1"), "B2");
    EXPECT_EQ(draftCell(1, 1), teamName(11));  // the draft, not the revised line-up
    EXPECT_EQ(revisedCell(2, 1), teamName(10));
    for (int i = 0; i < 20; ++i) click(right);
    EXPECT_EQ(text("Label_PreTeamBu_4"), QString());  // groups 17–20 at most
    EXPECT_EQ(text("Label_PreTeamSuu_4"), "0");

    // PageUp walks back through the draft and brings its group into view in both grids.
    click(child<ArrowPicture>("Image_After_Right"));
    EXPECT_EQ(text("Label_NextTeamBu_1"), "B2");
    key(Qt::Key_PageUp);
    EXPECT_EQ(text("Label_PreTeamBu_1"), "A1");
    EXPECT_EQ(text("Label_KousinPreJun"), " 9");
    EXPECT_EQ(text("Label_KousinPreName"), teamName(9));
    EXPECT_EQ(text("Label_NextTeamBu_1"), "A1");
}

TEST_F(ChangeOverTest, AMissingOrDamagedPictureIsDrawnAsATriangle) {
    folder_.copyFixture("pictures/arrow.jpg", "Images/KoukiLeft_off.jpg");
    const std::string jpeg = folder_.read("Images/KoukiLeft_off.jpg");
    folder_.write("Images/ZenkiLeft_off.jpg", jpeg.substr(0, jpeg.size() / 2));  // cut short
    folder_.write("Images/ZenkiRight_off.jpg", "not a picture at all");
    auto valid = readJpeg(folder_.path("Images/KoukiLeft_off.jpg"));
    ASSERT_TRUE(valid.has_value());
    EXPECT_EQ(valid->size(), QSize(26, 26));

    openFromCommandPanel();  // the pictures are read as the screen opens
    EXPECT_FALSE(child<ArrowPicture>("Image_Before_Left")->showsPicture());
    EXPECT_FALSE(child<ArrowPicture>("Image_Before_Right")->showsPicture());
    EXPECT_FALSE(child<ArrowPicture>("Image_After_Right")->showsPicture());  // missing
    EXPECT_TRUE(child<ArrowPicture>("Image_After_Left")->showsPicture());
    EXPECT_FALSE(screen()->grab().isNull());  // both kinds paint
}

}  // namespace
