// The group table as the organiser uses it: what a stored group shows, clicks on the result
// cells and the bytes they leave on disk, ranks set by hand, and the pointer help.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "form/form_services.h"
#include "form/framed_shape.h"
#include "store/results_file.h"
#include "store/sjis.h"
#include "support/form_fixture.h"

namespace {

// One 46-byte record from its parts, each already as wide as its field.
std::string record(const char* name, const std::string& results10, const std::string& counts8 = std::string(8, ' '),
                   const std::string& rate = "    ", const std::string& rank = "  ") {
    std::string n = sjis::fromUnicode(name);
    return n + std::string(20 - n.size(), ' ') + results10 + counts8 + rate + rank + " \n";
}

const std::string kBlank10(10, ' ');

class GroupTableTest : public FormTest {
protected:
    // Group 1 of the newest term: three teams, row 2 with a result byte this program never
    // writes and a stored rank; row 4 empty but for a stray win.
    void prepareFiles() override {
        std::string file = "220" + std::string(28, ' ') + "\n";
        const std::string rows[] = {
            record("ブルーウェーブ港北", kBlank10),
            record("ＡＢＣ－スターズ", "  x       ", std::string(8, ' '), "0.00", " 3"),
            record("桜台", kBlank10),
            record("", "1         "),
        };
        for (const std::string& r : rows) file += r;
        for (int n = 4; n < kTeamPositions; ++n) file += std::string(45, ' ') + "\n";
        folder_.write(files::kResults, file);
        folder_.write(files::kGroups, "A1" + std::string(998, ' '));
    }

    QString text(const QString& name) const {
        if (auto* e = child<QLineEdit>(name)) return e->text();
        return child<QLabel>(name)->text();
    }
    QString cell(int i, int j) const { return text(QStringLiteral("Label_Sel_%1_%2").arg(i).arg(j)); }
    void clickCell(int i, int j) { click(child<QLabel>(QStringLiteral("Label_Sel_%1_%2").arg(i).arg(j))); }
    // Bytes 21..44 of the record of row (1..10) of group 1 in the newest term.
    std::string stored(int row) const {
        return folder_.read(files::kResults).substr(resultRecordOffset(0, row) + 20, 24);
    }
    void pointTo(const char* name) {
        QWidget* w = child<QWidget>(name);
        QTest::mouseMove(w, w->rect().center());
        QApplication::processEvents();
    }
    QString help() const { return text("Label_HelpMsg_01") + "|" + text("Label_HelpMsg_02"); }
};

TEST_F(GroupTableTest, StartUpShowsWhatIsStoredForGroupOne) {
    EXPECT_EQ(text("Label_ChooseKyuu"), "A");
    EXPECT_EQ(text("Label_ChooseBu"), "1");
    EXPECT_EQ(text("Label_TeamDs"), "3");

    // Row headings whole; column headings cut to eight, the long-sound mark written upright.
    EXPECT_EQ(text("Label_GyouTeamName_01"), "ブルーウェーブ港北");
    EXPECT_EQ(text("Label_GyouTeamName_02"), "ＡＢＣ－スターズ");
    QString column1, column2;
    for (int k = 1; k <= 8; ++k) {
        column1 += text(QString::asprintf("Label_Retu_TeamName01_%02d", k));
        column2 += text(QString::asprintf("Label_Retu_TeamName02_%02d", k));
    }
    EXPECT_EQ(column1, "ブル｜ウェ｜ブ港");
    EXPECT_EQ(column2, "ＡＢＣ｜スタ｜ズ");

    // A team without results shows " 0" wins and losses and blanks for the rest.
    EXPECT_EQ(text("Label_Win_01"), " 0");
    EXPECT_EQ(text("Label_Lose_01"), " 0");
    EXPECT_EQ(text("Label_Equal_01").trimmed(), "");
    EXPECT_EQ(text("Label_Score_01").trimmed(), "");
    EXPECT_EQ(text("Edit_Jun_01").trimmed(), "");
    EXPECT_EQ(text("Edit_Jun_02"), " 3");

    // An unknown result byte shows a blank cell; an empty row shows blank counts and "　".
    EXPECT_EQ(cell(2, 3), "　");
    EXPECT_EQ(cell(4, 1), "○");
    EXPECT_EQ(cell(1, 4), "　");
    EXPECT_EQ(text("Label_GyouTeamName_05"), "");
    EXPECT_EQ(text("Label_Win_05").trimmed(), "");
    EXPECT_EQ(form_->model().table.results[1][2], NoResult);
}

TEST_F(GroupTableTest, FourClicksGoRoundTheMarksOnBothSidesAndStoreEachStep) {
    const char* expected[][2] = {{"○", "×"}, {"×", "○"}, {"△", "△"}, {"", ""}};
    for (auto& marks : expected) {
        clickCell(1, 3);
        EXPECT_EQ(cell(1, 3), QString::fromUtf8(marks[0]));
        EXPECT_EQ(cell(3, 1), QString::fromUtf8(marks[1]));
    }
    // Back where it started, and recomputed: the stored rank 3 of row 2 gives way to group
    // order, the unknown byte is cleaned, and the stray win of the empty row is counted.
    EXPECT_EQ(stored(1), std::string(22, ' ') + " 1");
    EXPECT_EQ(stored(2), std::string(22, ' ') + " 2");
    EXPECT_EQ(stored(3), std::string(22, ' ') + " 3");
    EXPECT_EQ(stored(4), "1" + std::string(9, ' ') + " 1     21.00  ");
    EXPECT_EQ(text("Edit_Jun_02"), " 2");
    EXPECT_EQ(text("Label_Win_04"), " 1");
    EXPECT_EQ(text("Label_Lose_04"), " 0");
}

TEST_F(GroupTableTest, AClickOnTheMirrorGoesOnFromTheMirrorsOwnMark) {
    clickCell(1, 2);  // ○ ×
    clickCell(2, 1);  // the mirror's × becomes △ on both sides
    EXPECT_EQ(cell(1, 2), "△");
    EXPECT_EQ(cell(2, 1), "△");
    EXPECT_EQ(stored(1).substr(0, 18), " 3" + std::string(10, ' ') + "   1 1");
    EXPECT_EQ(stored(2).substr(0, 18), "3" + std::string(11, ' ') + "   1 1");
    EXPECT_EQ(child<QLabel>("Label_Manual")->text(), "説明文内でクリックし↑↓キーでお読みください");
}

TEST_F(GroupTableTest, RanksSetByHandAreStoredAndSurviveLaterClicks) {
    click(child<QWidget>("Edit_Jun_03"));
    EXPECT_TRUE(child<QCheckBox>("CheckBox_JunCal")->isChecked());
    EXPECT_EQ(recordedFocus(), "Edit_Jun_03");
    EXPECT_EQ(child<FramedShape>("Shape_Jun_03")->penColor(), QColor(255, 0, 0));
    EXPECT_EQ(text("Edit_Jun_03"), "");

    QTest::keyClicks(QApplication::focusWidget(), "7");
    key(Qt::Key_Return);
    EXPECT_EQ(focusName(), "Edit_Jun_04");
    EXPECT_EQ(text("Edit_Jun_03"), " 7");
    EXPECT_EQ(stored(3).substr(22), " 7");
    EXPECT_EQ(child<FramedShape>("Shape_Jun_03")->penColor(), QColor(192, 192, 192));

    // A row without a team shows the rank but does not store it; a rank out of 1..10 is blank.
    QTest::keyClicks(QApplication::focusWidget(), "2");
    key(Qt::Key_Down);
    EXPECT_EQ(text("Edit_Jun_04"), " 2");
    EXPECT_EQ(stored(4).substr(22), "  ");
    for (int up = 0; up < 3; ++up) key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "Edit_Jun_02");
    key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "11");
    key(Qt::Key_Up);
    EXPECT_EQ(stored(2).substr(22), "  ");
    key(Qt::Key_Up);
    EXPECT_EQ(focusName(), "Edit_Jun_10");

    // While the box is ticked a click moves the counts but leaves every rank as it is.
    clickCell(3, 1);
    EXPECT_EQ(stored(3), "1" + std::string(9, ' ') + " 1     21.00 7");
    EXPECT_EQ(text("Edit_Jun_03"), " 7");
    EXPECT_EQ(text("Label_Lose_01"), " 1");

    key(Qt::Key_Escape);
    EXPECT_EQ(state().panelOpen, 1);
}

TEST_F(GroupTableTest, ARankFieldIsRefusedWhileAPanelIsOpen) {
    state().panelOpen = 1;
    click(child<QWidget>("Edit_Jun_01"));
    EXPECT_FALSE(child<QCheckBox>("CheckBox_JunCal")->isChecked());
    EXPECT_TRUE(form_->errorMessageTimer()->isActive());
    state().panelOpen = 0;
}

TEST_F(GroupTableTest, PointerHelpChangesOnlyWhenCrossingBetweenCellsAndTheirSurroundings) {
    const QString gridHelp = QStringLiteral(
        "マウスでクリックすると[○][×][△][  ]が順番に表示されます．|[○]は勝、[×]は負、[△]は引き分けです．");
    pointTo("Label_Sel_1_2");
    EXPECT_EQ(help(), gridHelp);

    // Cell to cell changes nothing, not even help another field wrote meanwhile.
    form_->services().help.setHelp("a", "b");
    pointTo("Label_Sel_1_3");
    EXPECT_EQ(help(), "a|b");

    pointTo("Shape91");  // the diagonal square of row 5
    EXPECT_EQ(help(), "|");
    pointTo("Label_Sel_4_5");
    EXPECT_EQ(help(), gridHelp);
    pointTo("Label_Retu_TeamName03_02");  // upper heading characters have no pointer help
    EXPECT_EQ(help(), gridHelp);
    pointTo("Label_Win_02");
    EXPECT_EQ(help(), "|");
}

}  // namespace
