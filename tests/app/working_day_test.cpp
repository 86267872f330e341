// A working day from an empty league: two groups named, four teams typed into group 1, the
// six pairings clicked in, then every stored byte checked, the program closed and started
// again on the same table.

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTest>

#include "store/data_dir.h"
#include "store/sjis.h"
#include "support/form_fixture.h"
#include "support/records.h"

namespace {

const char* const kTeams[] = {"港北ブルーウェーブ", "桜台ファイターズ", "緑ヶ丘クラブ", "ＡＢＣスターズ"};

class WorkingDay : public FormTest {
protected:
    // The first term has been registered; nothing else exists yet.
    void prepareFiles() override {
        folder_.write(files::kResults,
                      "380" + std::string(28, ' ') + "\n" + repeatRecord(kEmptyResult, kTeamPositions));
    }

    void enter(const char* name) {
        click(child(name));
        ASSERT_EQ(focusName(), name);
    }
    void type(const char* s) { QTest::keyClicks(QApplication::focusWidget(), s); }
    void clickCell(int i, int j, int times) {
        for (int k = 0; k < times; ++k) click(child(QStringLiteral("Label_Sel_%1_%2").arg(i).arg(j)));
    }

    // Every text the group table and the two lists show.
    QMap<QString, QString> screen() const {
        QMap<QString, QString> out;
        for (QLabel* l : form_->findChildren<QLabel*>())
            if (l->objectName().startsWith("Label_")) out[l->objectName()] = l->text();
        for (QLineEdit* e : form_->findChildren<QLineEdit*>())
            if (e->objectName().startsWith("Edit_") && e->objectName() != "Edit_CommandChoose")
                out[e->objectName()] = e->text();
        return out;
    }
};

TEST_F(WorkingDay, GroupsTeamsAndResultsAreStoredAndComeBackTheSame) {
    // Group 2 first, then group 1 by going up to it.
    enter("Edit_Kyuu_02");
    type("B");
    key(Qt::Key_Return);
    type("1");
    key(Qt::Key_Up);
    ASSERT_EQ(focusName(), "Edit_Bu_01");
    type("1");
    key(Qt::Key_Home);
    type("A");
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    ASSERT_EQ(focusName(), "Edit_TeamName_01");
    EXPECT_EQ(child<QLabel>("Label_ChooseKyuu")->text(), "A");
    EXPECT_EQ(child<QLabel>("Label_ChooseBu")->text(), "1");

    for (const char* team : kTeams) {
        typeText(QString::fromUtf8(team));
        key(Qt::Key_Down);
    }
    EXPECT_EQ(focusName(), "Edit_TeamName_05");
    EXPECT_EQ(child<QLabel>("Label_TeamDs")->text(), "4");

    // 1 beats 2, 3 and 4; 2 beats 3 and draws with 4; 3 beats 4.
    clickCell(1, 2, 1);
    clickCell(1, 3, 1);
    clickCell(4, 1, 2);
    clickCell(2, 3, 1);
    clickCell(2, 4, 3);
    clickCell(3, 4, 1);

    std::string block = repeatRecord(kEmptyResult, kTeamPositions);
    const std::string stored[] = {
        name20(kTeams[0]) + " 111       3     61.00 1 \n",
        name20(kTeams[1]) + "2 13       1 1 1 30.50 2 \n",
        name20(kTeams[2]) + "22 1       1 2   20.33 3 \n",
        name20(kTeams[3]) + "232          2 1 10.00 4 \n",
    };
    for (int r = 0; r < 4; ++r) block.replace(std::size_t(r) * 46, 46, stored[r]);
    EXPECT_EQ(folder_.read(files::kResults), "380" + std::string(28, ' ') + "\n" + block);

    std::string reg = repeatRecord(kEmptyTeam, kTeamPositions);
    for (int r = 0; r < 4; ++r) reg.replace(std::size_t(r) * 1000 + 611, 20, name20(kTeams[r]));
    EXPECT_EQ(folder_.read(files::kTeamRegister), reg);
    EXPECT_EQ(folder_.read(files::kGroups), "A1B1" + std::string(996, ' '));

    EXPECT_EQ(child<QLineEdit>("Edit_Jun_03")->text(), " 3");
    EXPECT_EQ(child<QLabel>("Label_Sel_4_2")->text(), QStringLiteral("△"));
    EXPECT_EQ(child<QLabel>("Label_Win_04")->text(), " 0");

    // A fresh start selects the first team, whose details are then shown: so does this screen.
    click(child("Edit_TeamName_01"));
    click(child("Edit_Kyuu_01"));
    const QMap<QString, QString> before = screen();
    closeForm();
    EXPECT_EQ(folder_.read(files::kGroups), "A1B1" + std::string(996, ' '));
    startForm();
    click(child("Edit_Kyuu_01"));
    const QMap<QString, QString> after = screen();
    for (auto it = before.begin(); it != before.end(); ++it)
        EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(after.value("Edit_TeamName_03"), QStringLiteral("緑ヶ丘クラブ"));
    EXPECT_EQ(after.value("Label_Score_01"), " 6");
}

}  // namespace
