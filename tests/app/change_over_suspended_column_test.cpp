// The columns of suspended teams on the change-over screen scroll through every entry, with
// arrows like the groups' and with PageUp/PageDown, so that any of up to 100 suspended teams
// can come back.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "change_over_fixture.h"
#include "form/timed_messages.h"
#include "league/ui/arrow_picture.h"

namespace {

class SuspendedColumn : public ChangeOverFixture {
protected:
    void prepareFiles() override { layLeague(folder_, LeagueShape{3, 10, 2, suspended(), 0}); }
    virtual int suspended() const { return 17; }

    void SetUp() override {
        FormTest::SetUp();
        openFromCommandPanel();
    }
    // The draft's suspended column, 休止中.
    QString draftCell(int row) const { return ChangeOverFixture::draftCell(5, row); }
    ArrowPicture* arrow(const char* name) const { return child<ArrowPicture>(name); }
    // A press on the arrow, shown pressed only when it can scroll, then its release.
    bool scroll(const char* name) {
        ArrowPicture* a = arrow(name);
        if (!a) {
            ADD_FAILURE() << "no arrow " << name;
            return false;
        }
        QTest::mousePress(a, Qt::LeftButton);
        const bool pressed = a->isPressed();
        QTest::mouseRelease(a, Qt::LeftButton);
        EXPECT_FALSE(a->isPressed());
        return pressed;
    }
};

TEST_F(SuspendedColumn, TheFifteenthSuspendedTeamComesBack) {
    EXPECT_FALSE(scroll("Image_Before_Up"));
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(scroll("Image_Before_Down"));
    EXPECT_EQ(draftCell(1), QStringLiteral("休会5"));
    EXPECT_EQ(draftCell(10), QStringLiteral("休会14"));
    EXPECT_EQ(text("Label_PreTeamBu_1"), "A1") << "the groups stay where they were";

    click(child("Label_PreTeamName_5_10"));
    EXPECT_EQ(text("Label_KousinPreBu"), QStringLiteral("休止中"));
    EXPECT_EQ(text("Label_KousinPreJun"), "15");
    EXPECT_EQ(text("Label_KousinPreName"), QStringLiteral("休会14"));
    click(child("Label_NextTeamName_2_01"));
    click(child("Label_KousinExec"));
    EXPECT_EQ(revisedCell(2, 1), QStringLiteral("休会14"));
    EXPECT_EQ(revisedCell(4, 1), QStringLiteral("チーム30")) << "the last team moves on to a new group";
    click(child("Label_PreTeamName_5_10"));  // the line tells where the team now stands
    EXPECT_EQ(text("Label_KousinNextBu"), "B2");
    EXPECT_EQ(text("Label_KousinNextJun"), " 1");

    // The revised column lost the returning team; its end shows a free row to suspend into.
    while (scroll("Image_After_Down")) {
    }
    EXPECT_EQ(revisedCell(5, 7), QStringLiteral("休会13"));
    EXPECT_EQ(revisedCell(5, 8), QStringLiteral("休会15"));
    EXPECT_EQ(revisedCell(5, 9), QStringLiteral("休会16"));
    EXPECT_EQ(revisedCell(5, 10), QString());

    key(Qt::Key_F1);
    ASSERT_FALSE(child("Panel_Kousin")->isVisible());
    click(child("Edit_Bu_02"));
    EXPECT_EQ(child<QLineEdit>("Edit_TeamName_01")->text(), QStringLiteral("休会14"));
    EXPECT_EQ(child<QLabel>("Label_KyuusiDs")->text().trimmed(), "16");
}

TEST_F(SuspendedColumn, PageDownWalksOnThroughTheSuspendedTeams) {
    click(child("Label_PreTeamName_5_01"));
    for (int i = 0; i < 14; ++i) key(Qt::Key_PageDown);
    EXPECT_EQ(text("Label_KousinPreJun"), "15");
    EXPECT_EQ(text("Label_KousinPreI"), QStringLiteral("行"));
    EXPECT_EQ(draftCell(10), QStringLiteral("休会14"));
    for (int i = 0; i < 5; ++i) key(Qt::Key_PageDown);
    EXPECT_EQ(text("Label_KousinPreName"), QStringLiteral("休会16")) << "the last one";
    for (int i = 0; i < 17; ++i) key(Qt::Key_PageUp);  // past the groups not in use
    EXPECT_EQ(text("Label_KousinPreBu"), "C3");
    EXPECT_EQ(text("Label_KousinPreJun"), "10");
    EXPECT_EQ(draftCell(1), QStringLiteral("休会0"));
}

class FullSuspendedColumn : public SuspendedColumn {
protected:
    int suspended() const override { return 100; }
};

TEST_F(FullSuspendedColumn, ReachesTheHundredthAndSaysTheLimitInOneWording) {
    for (int i = 0; i < 90; ++i) scroll("Image_Before_Down");
    EXPECT_FALSE(scroll("Image_Before_Down"));
    EXPECT_EQ(draftCell(10), QStringLiteral("休会99"));

    click(child("Label_PreTeamName_1_05"));
    click(child("Label_NextTeamName_5_01"));
    click(child("Label_KousinExec"));
    EXPECT_EQ(shownMessage(), QStringLiteral("■休会できるのは100チームまでです■"));
    EXPECT_EQ(revisedCell(1, 5), QStringLiteral("チーム5"));
}

}  // namespace
