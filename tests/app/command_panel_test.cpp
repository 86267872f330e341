// The command panel: opening and closing it from a field, moving the highlight, the
// commands it offers, and deleting the newest term once per run.

#include "app/command_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "app/import_panel.h"
#include "form/form_colors.h"
#include "form/form_services.h"
#include "form/framed_shape.h"
#include "store/sjis.h"
#include "support/form_fixture.h"
#include "support/records.h"

namespace {

// A results file with the given term keys, newest first; block s names its first team.
std::string resultsFile(const std::vector<std::string>& keys, const std::vector<const char*>& firstTeams) {
    std::string header;
    for (const std::string& k : keys) header += k;
    header.resize(31, ' ');
    header += '\n';
    std::string out = header;
    for (int s = 0; s < kTermSlots; ++s) {
        std::string block = repeatRecord(kEmptyResult, kTeamPositions);
        if (s < int(firstTeams.size())) block.replace(0, 46, resultRecord(firstTeams[s]));
        out += block;
    }
    return out;
}

std::string teamRegisterWithRepresentative(const char* representative) {
    std::string reg = repeatRecord(kEmptyTeam, kTeamPositions);
    std::string rep = sjis::fromUnicode(representative);
    reg.replace(0, rep.size(), rep);
    return reg;
}

QString rowName(const char* prefix, int row) {
    return QStringLiteral("%1%2").arg(prefix).arg(row + 1, 2, 10, QChar('0'));
}

class CommandPanelTest : public FormTest {
protected:
    // One stored term, so that leaving the year field shows it instead of the first-use panel.
    void prepareFiles() override { folder_.write("Data/Seiseki.001", resultsFile({"381"}, {})); }
    CommandPanel* panel() const { return form_->findChild<CommandPanel*>(); }
    QWidget* commandPanel() const { return child("Panel_Command"); }

    void focusField(const char* name) {
        click(child(name));
        ASSERT_EQ(focusName(), name);
    }
    void openFrom(const char* field) {
        focusField(field);
        key(Qt::Key_Escape);
        ASSERT_TRUE(commandPanel()->isVisible());
    }

    // The one row drawn highlighted (red frame, black caption); every other row must be
    // drawn dimmed (silver frame, grey caption).
    int highlightedRow() const {
        int found = -1;
        for (int row = 0; row < CommandPanel::kRows; ++row) {
            auto* shape = child<FramedShape>(rowName("Shape_CommandName_", row));
            auto* label = child<QLabel>(rowName("Label_CommandName_", row));
            QColor text = label->palette().color(QPalette::WindowText);
            if (shape->penColor() == form_colors::kRed) {
                EXPECT_EQ(text, form_colors::kBlack) << row;
                EXPECT_EQ(found, -1) << "two rows highlighted";
                found = row;
            } else {
                EXPECT_EQ(shape->penColor(), form_colors::kSilver) << row;
                EXPECT_EQ(text, form_colors::kGray) << row;
            }
        }
        EXPECT_EQ(found, state().selectedCommand);
        return found;
    }
};

TEST_F(CommandPanelTest, EscOpensOnTheCloseRowAndEscReturnsToTheField) {
    for (const char* field : {"Edit_UserName", "Edit_Year"}) {
        SCOPED_TRACE(field);
        openFrom(field);
        EXPECT_EQ(focusName(), "Edit_CommandChoose");
        EXPECT_EQ(commandPanel()->pos(), QPoint(4, 36));
        EXPECT_EQ(state().panelOpen, 1);
        EXPECT_EQ(highlightedRow(), 8);

        key(Qt::Key_Up);  // the panel always opens on row 8, wherever it was left
        key(Qt::Key_Escape);
        EXPECT_FALSE(commandPanel()->isVisible());
        EXPECT_EQ(state().panelOpen, 0);
        EXPECT_EQ(focusName(), field);
    }
    openFrom("Edit_Year");
    EXPECT_EQ(highlightedRow(), 8);
    key(Qt::Key_F9);
    EXPECT_FALSE(commandPanel()->isVisible());
    EXPECT_EQ(focusName(), "Edit_Year");
}

TEST_F(CommandPanelTest, TenRowsInTheirPlacesAndTheArrowsWrapOverThemAll) {
    openFrom("Edit_UserName");
    const QRect first = child(rowName("Shape_CommandName_", 0))->geometry();
    for (int row = 0; row < CommandPanel::kRows; ++row) {
        QWidget* shape = child(rowName("Shape_CommandName_", row));
        EXPECT_EQ(shape->geometry(), first.translated(0, 30 * row)) << row;
        EXPECT_TRUE(commandPanel()->rect().contains(shape->geometry())) << row;
    }
    EXPECT_EQ(child<QLabel>(rowName("Label_CommandName_", 6))->text(), QStringLiteral("F7 Webページ保存"));
    EXPECT_EQ(child<QLabel>(rowName("Label_CommandName_", 9))->text(), QStringLiteral("F10 CSV取込"));

    key(Qt::Key_Down);
    EXPECT_EQ(highlightedRow(), 9);
    key(Qt::Key_Down);
    EXPECT_EQ(highlightedRow(), 0);
    key(Qt::Key_Up);
    EXPECT_EQ(highlightedRow(), 9);
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(highlightedRow(), 7);

    const std::string before = folder_.read("Data/Seiseki.001");
    key(Qt::Key_F8);  // the list of copies to restore opens over the panel
    EXPECT_EQ(highlightedRow(), 7);
    EXPECT_TRUE(commandPanel()->isVisible());
    EXPECT_EQ(focusName(), "Edit_BackupChoose");
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(folder_.read("Data/Seiseki.001"), before);
}

TEST_F(CommandPanelTest, F10ByKeyOrClickAsksForAFileOverThePanel) {
    int asked = 0;
    form_->findChild<ImportPanel*>()->setFileChooser([&](QWidget*, const QString&) {
        ++asked;
        return QString();  // the dialog cancelled
    });
    openFrom("Edit_Year");
    key(Qt::Key_F10);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(highlightedRow(), 9);
    click(child(rowName("Label_CommandName_", 9)));
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(commandPanel()->isVisible());
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
}

TEST_F(CommandPanelTest, ChangeOverAndTeamListNeedATeamInTheShownTerm) {
    int changeOvers = 0, teamLists = 0;
    takeCommand(&FormCommands::openChangeOver, [&] { ++changeOvers; });
    takeCommand(&FormCommands::printTeamList, [&] { ++teamLists; });
    ASSERT_EQ(model().termTeamCount, 0);
    openFrom("Edit_Year");
    for (int i = 0; i < 3; ++i) key(Qt::Key_Down);  // 9, 0, 1
    key(Qt::Key_Return);
    key(Qt::Key_F3);
    EXPECT_EQ(changeOvers, 0);
    EXPECT_EQ(teamLists, 0);
    EXPECT_EQ(highlightedRow(), 2);
    EXPECT_TRUE(commandPanel()->isVisible());
    EXPECT_EQ(focusName(), "Edit_CommandChoose");

    changeModel().termTeamCount = 1;
    key(Qt::Key_F2);
    EXPECT_EQ(changeOvers, 1);
    EXPECT_TRUE(commandPanel()->isVisible()) << "the change-over screen opens over the panel";
    key(Qt::Key_F3);
    EXPECT_EQ(teamLists, 1);
    EXPECT_FALSE(commandPanel()->isVisible());
}

// --- Deleting the newest term ---

class OneTermTest : public CommandPanelTest {
protected:
    void prepareFiles() override { folder_.write("Data/Seiseki.001", resultsFile({"221"}, {"東京"})); }
};

TEST_F(OneTermTest, F4DoesNothingWithASingleTerm) {
    const std::string before = folder_.read("Data/Seiseki.001");
    openFrom("Edit_Year");
    EXPECT_EQ(child<QLabel>("Label_CommandName_04")->text(), "F4" + QString(23, ' '));
    key(Qt::Key_F4);
    EXPECT_EQ(highlightedRow(), 3);
    EXPECT_TRUE(commandPanel()->isVisible());
    EXPECT_FALSE(form_->notDeleteTimer()->isActive());
    EXPECT_EQ(model().deleteDone, 0);
    EXPECT_EQ(folder_.read("Data/Seiseki.001"), before);
}

class TwoTermsTest : public CommandPanelTest {
protected:
    void prepareFiles() override {
        folder_.write("Data/Seiseki.001", resultsFile({"221", "220"}, {"新チーム", "旧チーム"}));
        // The change-over that made 22 後期 suspended one team; before it nobody was.
        folder_.write("Data/Info.001", repeatRecord(kEmptyTeam, kTeamPositions));
        folder_.write("Data/Kyuubu.001", kEmptyTeam);
        folder_.write("Data/Info.old", teamRegisterWithRepresentative("山田"));
        folder_.write("Data/Kyuubu.old", "");
    }
};

TEST_F(TwoTermsTest, F4RestoresTheRegistersAndDeletesTheNewestTermOnce) {
    int groupShown = 0;
    QObject::connect(&form_->document(), &LeagueDocument::groupShown, [&] { ++groupShown; });
    ASSERT_EQ(model().deleteAvailable, 1);
    ASSERT_EQ(model().suspendedCount, 1);
    openFrom("Edit_UserName");
    EXPECT_EQ(child<QLabel>("Label_CommandName_04")->text(), "F4 平成22年 後期 成績削除");
    key(Qt::Key_F4);

    const std::string results = folder_.read("Data/Seiseki.001");
    ASSERT_EQ(results.size(), std::size_t(92032));
    EXPECT_EQ(results.substr(0, 32), "220" + std::string(28, ' ') + "\n");
    EXPECT_EQ(results.substr(32, 46), resultRecord("旧チーム"));
    EXPECT_EQ(results.substr(32 + 9200, 9200), repeatRecord(kEmptyResult, kTeamPositions));
    EXPECT_EQ(results.substr(32 + 9 * 9200), repeatRecord(kEmptyResult, kTeamPositions));
    // The register is the snapshot's; the shown group's team then takes the first free name.
    const std::string reg = folder_.read("Data/Info.001");
    const std::string snapshot = teamRegisterWithRepresentative("山田");
    const std::size_t record = kEmptyTeam.size();
    ASSERT_EQ(reg.size(), snapshot.size());
    EXPECT_EQ(reg.substr(0, 4), snapshot.substr(0, 4));
    EXPECT_LT(reg.find(sjis::fromUnicode("旧チーム")), record);
    EXPECT_EQ(reg.substr(record), snapshot.substr(record));
    EXPECT_EQ(folder_.size("Data/Kyuubu.001"), 0);

    // The model, the header and the panel follow the files.
    EXPECT_EQ(model().deleteDone, 1);
    EXPECT_EQ(model().termSlotIndex, 0);
    EXPECT_EQ(model().termHalf, 0);
    EXPECT_EQ(model().suspendedCount, 0);
    EXPECT_EQ(model().registeredTeams[0], 1) << "group counts of the restored register";
    EXPECT_EQ(model().termTeamCount, 1);
    EXPECT_EQ(groupShown, 1);
    EXPECT_EQ(child<QLineEdit>("Edit_Year")->text(), "22");
    EXPECT_EQ(child<QLabel>("Label_KyuusiDs")->text(), "0");
    EXPECT_EQ(child<QLabel>("Label_CommandName_04")->text(), "F4" + QString(23, ' '));
    EXPECT_FALSE(commandPanel()->isVisible());
    EXPECT_EQ(focusName(), "Edit_UserName");
}

TEST_F(TwoTermsTest, ASecondDeletionInOneRunIsRefusedWithAMessage) {
    // Three terms, so that the second deletion would still be offered.
    closeForm();
    folder_.write("Data/Seiseki.001", resultsFile({"221", "220", "211"}, {"新", "中", "旧"}));
    startForm();
    openFrom("Edit_Year");
    key(Qt::Key_F4);
    ASSERT_EQ(model().deleteDone, 1);
    ASSERT_EQ(model().deleteAvailable, 1);
    const std::string results = folder_.read("Data/Seiseki.001");
    folder_.write("Data/Info.001", "changed since");

    openFrom("Edit_Year");
    key(Qt::Key_F4);
    QTimer* timer = form_->notDeleteTimer();
    QWidget* message = child("Panel_NotDelete");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_FALSE(message->isVisible());

    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(message->pos(), QPoint(292, 276));
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_EQ(focusName(), "Edit_CommandChoose");

    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(message->isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_TRUE(commandPanel()->isVisible());

    EXPECT_EQ(folder_.read("Data/Seiseki.001"), results);
    EXPECT_EQ(folder_.read("Data/Info.001"), "changed since");
}

}  // namespace
