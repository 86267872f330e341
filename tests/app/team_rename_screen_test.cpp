// Correcting a team's name in the team list: the details stay with the team and no register
// record is used up; a name for which no record is left is refused with the reason.

#include <QTimer>

#include "details_fixture.h"
#include "form/timed_messages.h"

namespace {

class TeamRenameScreen : public DetailsFixture {
protected:
    void rename(int n, const QString& name) {
        click(child(QStringLiteral("Edit_TeamName_%1").arg(n, 2, 10, QLatin1Char('0'))));
        key(Qt::Key_A, Qt::ControlModifier);
        typeText(name);
        key(Qt::Key_Return);
    }
    int namedRecords() const {
        const std::string reg = folder_.read(files::kTeamRegister);
        int n = 0;
        for (int r = 1; r <= 200; ++r) n += reg[teamAt(r) + 611] != ' ' ? 1 : 0;
        return n;
    }
};

TEST_F(TeamRenameScreen, ACorrectedNameKeepsTheDetailsAndUsesUpNoRecord) {
    const int before = namedRecords();
    rename(2, QStringLiteral("桜台Ａ"));
    EXPECT_EQ(focusName(), "Edit_SyousaiDaihyouName");
    EXPECT_EQ(text("Label_SyousaiName"), QStringLiteral("桜台Ａ"));
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("旧代表"));
    EXPECT_EQ(text("Edit_Keitai"), QStringLiteral("090-1111-2222"));
    EXPECT_EQ(model().detailRecordNo, 7);
    EXPECT_EQ(folder_.read(files::kTeamRegister), registerWith(7, 611, name20("桜台Ａ")));
    EXPECT_EQ(namedRecords(), before);
    EXPECT_EQ(folder_.read(files::kResults).substr(resultAt(0, 2), 20), name20("桜台Ａ"));

    // The name of a team that has a record takes that record, as before.
    rename(3, QStringLiteral("九番"));
    EXPECT_EQ(model().detailRecordNo, 9);
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("九番代表"));
    EXPECT_EQ(namedRecords(), before);
}

class FullRegisterScreen : public TeamRenameScreen {
protected:
    void prepareFiles() override {
        DetailsFixture::prepareFiles();
        for (int r = 1; r <= 200; ++r)
            if (register_[teamAt(r) + 611] == ' ')
                register_.replace(teamAt(r) + 611, 20, name20("他" + std::to_string(r)));
        folder_.write(files::kTeamRegister, register_);
    }
};

TEST_F(FullRegisterScreen, ANameThatWouldNeedARecordIsRefusedWithTheReason) {
    const std::string results = folder_.read(files::kResults);
    rename(5, QStringLiteral("新チーム"));
    QTimer* message = form_->messages().saveErrorTimer();
    ASSERT_TRUE(message->isActive());
    QMetaObject::invokeMethod(message, "timeout");
    EXPECT_EQ(form_->messages().messageText(),
              QStringLiteral("■チーム情報の記録が200件すべて使われているため、新しいチーム名は登録できません■"));
    EXPECT_EQ(focusName(), "Edit_TeamName_05");
    EXPECT_EQ(text("Edit_TeamName_05"), QString());
    EXPECT_EQ(folder_.read(files::kResults), results);
    EXPECT_EQ(folder_.read(files::kTeamRegister), register_);
    QMetaObject::invokeMethod(message, "timeout");

    // A correction needs no new record and goes through.
    rename(2, QStringLiteral("桜台Ａ"));
    EXPECT_FALSE(message->isActive());
    EXPECT_EQ(text("Edit_SyousaiDaihyouName"), QStringLiteral("旧代表"));
    EXPECT_EQ(folder_.read(files::kTeamRegister), registerWith(7, 611, name20("桜台Ａ")));
}

}  // namespace
