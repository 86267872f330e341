// The group list: choosing a group by entering one of its letter boxes, the keys of the two
// letter columns, and the letters stored in memory and at once in Data/League.001.

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "standings/ui/group_table.h"
#include "store/data_dir.h"
#include "store/sjis.h"
#include "support/form_fixture.h"
#include "support/records.h"

namespace {

std::string named(const char* name) {
    return resultRecord(name);
}

QString box(const char* prefix, int n) {
    return QString::asprintf("%s%02d", prefix, n);
}

class GroupListTest : public FormTest {
protected:
    // Group 1 holds two teams, group 2 one; group 3's class letter is a byte with no character.
    void prepareFiles() override {
        std::string block = repeatRecord(kEmptyResult, kTeamPositions);
        block.replace(0, 46, named("港北"));
        block.replace(46, 46, named("桜台"));
        block.replace(10 * 46, 46, named("緑ヶ丘"));
        folder_.write(files::kResults, "380" + std::string(28, ' ') + "\n" + block);
        groups_ =
            "A1B2\x82"
            "3" +
            std::string(34, ' ') + std::string(960, 'z');
        folder_.write(files::kGroups, groups_);
    }

    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QColor pen(const QString& name) const { return child<FramedShape>(name)->penColor(); }
    QPoint formPos(const char* name) const {
        QWidget* w = child(name);
        return w->mapTo(form_.get(), QPoint(0, 0));
    }
    void enter(const QString& name) {
        click(child(name));
        ASSERT_EQ(focusName(), name);
    }
    void type(const char* s) { QTest::keyClicks(QApplication::focusWidget(), s); }

    std::string groups_;
};

TEST_F(GroupListTest, EnteringEitherBoxOfAnotherGroupSelectsItAndReenteringReloadsNothing) {
    QSignalSpy shown(&form_->document(), &LeagueDocument::groupShown);
    for (const char* name : {"Edit_Bu_02", "Edit_Kyuu_02"}) {
        SCOPED_TRACE(name);
        enter(box("Edit_Kyuu_", 1));
        shown.clear();
        enter(name);
        EXPECT_EQ(shown.count(), 1);
        EXPECT_EQ(model().currentGroup, 2);
        EXPECT_EQ(model().currentRecordNo, 11);
        EXPECT_EQ(text("Label_ChooseKyuu"), "B");
        EXPECT_EQ(text("Label_ChooseBu"), "2");
        EXPECT_EQ(text("Edit_TeamName_01"), QStringLiteral("緑ヶ丘"));
        EXPECT_EQ(text("Edit_TeamName_02"), "");
        EXPECT_EQ(text("Label_GyouTeamName_01"), QStringLiteral("緑ヶ丘"));
        EXPECT_EQ(pen("Shape_TeamName_01"), form_colors::kRed);
        EXPECT_EQ(formPos("Shape_KyuuBu"), QPoint(6, 92));
        EXPECT_EQ(formPos("Image_KyuuBu"), QPoint(60, 94));
    }
    shown.clear();
    enter("Edit_Bu_02");
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), "Edit_Kyuu_02");
    EXPECT_EQ(shown.count(), 0);

    // The class box records its number, frames itself red and explains itself.
    EXPECT_EQ(recordedFocus(), "Edit_Kyuu_02");
    EXPECT_EQ(pen("Shape_Kyuu_02"), form_colors::kRed);
    EXPECT_EQ(pen("Shape_Bu_02"), form_colors::kSilver);
    EXPECT_EQ(
        text("Label_HelpMsg_02"),
        QStringLiteral("[部]の入力に移ります．上位ほど強い[級部]となります．[ESC]キーでコマンドパネルが開きます．"));
    EXPECT_EQ(text("Label_Manual"), QStringLiteral("説明文内でクリックし↑↓キーでお読みください"));
    key(Qt::Key_Return);
    EXPECT_EQ(recordedFocus(), "Edit_Bu_02");
    EXPECT_TRUE(text("Label_HelpMsg_01").startsWith(QStringLiteral("[部]を半角文字")));
}

TEST_F(GroupListTest, ArrowsWrapFromRowTwentyAndLeaveRowOneForTheYear) {
    for (const char* prefix : {"Edit_Kyuu_", "Edit_Bu_"}) {
        SCOPED_TRACE(prefix);
        enter(box(prefix, 20));
        EXPECT_EQ(formPos("Shape_KyuuBu"), QPoint(6, 66 + 26 * 19));
        key(Qt::Key_Down);
        EXPECT_EQ(focusName(), box(prefix, 1));
        EXPECT_EQ(model().currentGroup, 1);
        key(Qt::Key_Down);
        EXPECT_EQ(focusName(), box(prefix, 2));
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        EXPECT_EQ(focusName(), "Edit_Year");
    }
    enter(box("Edit_Kyuu_", 1));
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), "Edit_Year");
    enter(box("Edit_Kyuu_", 5));
    key(Qt::Key_Home);
    EXPECT_EQ(focusName(), box("Edit_Bu_", 4));
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_TeamName_01");
    EXPECT_EQ(model().currentGroup, 4);
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
}

TEST_F(GroupListTest, LettersAreStoredOnLeavingAndWrittenAtOnce) {
    // A box cleared and left stores a blank; its frame turns silver.
    enter(box("Edit_Kyuu_", 1));
    EXPECT_EQ(text(box("Edit_Kyuu_", 1)), "A");
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    enter(box("Edit_Bu_", 1));
    EXPECT_EQ(model().classLetter(0), ' ');
    EXPECT_EQ(text(box("Edit_Kyuu_", 1)), "");
    EXPECT_EQ(pen("Shape_Kyuu_01"), form_colors::kSilver);
    groups_[0] = ' ';
    EXPECT_EQ(folder_.read(files::kGroups), groups_);

    // A box entered by key has its letter selected, so what is typed replaces it; ↓ stores.
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(focusName(), box("Edit_Bu_", 3));
    type("7");
    key(Qt::Key_Down);
    EXPECT_EQ(model().divisionLetter(2), '7');
    EXPECT_EQ(text(box("Edit_Bu_", 3)), "7");
    groups_[5] = '7';
    EXPECT_EQ(folder_.read(files::kGroups), groups_);

    // Enter stores; a letter of the selected group shows above the team list at once.
    enter(box("Edit_Kyuu_", 20));
    type("Z");
    key(Qt::Key_Return);
    EXPECT_EQ(text("Label_ChooseKyuu"), "Z");
    groups_[38] = 'Z';
    EXPECT_EQ(folder_.read(files::kGroups), groups_);

    // A byte with no character to show survives being entered and left untouched.
    enter(box("Edit_Kyuu_", 3));
    enter(box("Edit_Kyuu_", 4));
    EXPECT_EQ(model().classLetter(2), '\x82');
    EXPECT_EQ(folder_.read(files::kGroups), groups_);

    // A letter still in its box when the window closes is kept too.
    type("Q");
    closeForm();
    groups_[6] = 'Q';
    EXPECT_EQ(folder_.read(files::kGroups), groups_);
}

TEST_F(GroupListTest, WhileAPanelIsOpenALetterBoxIsNeitherEnteredNorStored) {
    enter(box("Edit_Kyuu_", 1));
    key(Qt::Key_Escape);
    ASSERT_EQ(focusName(), "Edit_CommandChoose");
    click(child(box("Edit_Kyuu_", 2)));
    EXPECT_EQ(model().currentGroup, 1);
    EXPECT_EQ(recordedFocus(), "Edit_CommandChoose");
    EXPECT_TRUE(form_->errorMessageTimer()->isActive());
    type("Q");
    QMetaObject::invokeMethod(form_->errorMessageTimer(), "timeout");
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(model().classLetter(1), 'B');
    EXPECT_EQ(folder_.read(files::kGroups), groups_);
}

}  // namespace
