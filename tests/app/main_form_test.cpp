// The main window as a first start shows it, and what closing it leaves on disk.

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>

#include "support/form_fixture.h"

namespace {

class MainForm : public FormTest {};

TEST_F(MainForm, FirstStartShowsTheFixedWindowWithEveryPanelHidden) {
    EXPECT_EQ(form_->size(), QSize(1000, 700));
    EXPECT_EQ(form_->minimumSize(), form_->maximumSize());
    // The program's own name and the project's version, a full-width space between.
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Tallyfold　Ver " TALLYFOLD_VERSION));
    EXPECT_TRUE(
        form_->windowTitle().contains(QRegularExpression(QStringLiteral("^Tallyfold　Ver \\d+\\.\\d+\\.\\d+$"))));
    EXPECT_FALSE(form_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form_->palette().color(QPalette::Window), QColor(245, 245, 245));

    for (const char* name :
         {"Panel_Command", "Panel_OpenErr", "Panel_NotDelete", "Panel_SaveErr", "Panel_NotData", "Panel_NewData"}) {
        QFrame* panel = child<QFrame>(name);
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_FALSE(panel->isVisible()) << name;
    }
    for (const char* name : {"Timer_ErrMsg", "Timer_NotDelete", "Timer_SaveErr"}) {
        QTimer* t = child<QTimer>(name);
        ASSERT_NE(t, nullptr);
        EXPECT_FALSE(t->isActive());
        EXPECT_EQ(t->interval(), 100);
    }
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_EQ(child<QLineEdit>("Edit_Year")->text(), "38");
    EXPECT_EQ(child<QLabel>("Label_TeamDs")->text(), "0");
    EXPECT_EQ(child<QLabel>("Label_KyuusiDs")->text(), "0");
    EXPECT_EQ(child<QLabel>("Label_GregorianYear")->text(), "(2026)");
    EXPECT_TRUE(child<QLabel>("DateLabel")->text().startsWith("2026/12/08"));
}

TEST_F(MainForm, TheFormsFontNamesResolveToTheIpaFonts) {
    EXPECT_EQ(QFontInfo(form_->font()).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ 明朝"))).family(), "IPAMincho");
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ ゴシック"))).family(), "IPAGothic");
}

TEST_F(MainForm, ClosingKeepsTheFilesOfAFirstStart) {
    closeForm();
    EXPECT_EQ(folder_.read(files::kUserName), std::string(40, ' '));
    EXPECT_EQ(folder_.size(files::kGroups), 1000);
    EXPECT_EQ(folder_.size(files::kTeamMax), 1000);
    EXPECT_EQ(folder_.size(files::kSuspended), 0);
    EXPECT_EQ(folder_.size(files::kResults), 9232);
    EXPECT_EQ(folder_.size(files::kTeamRegister), 200000);
    EXPECT_FALSE(folder_.exists("Data/Irekae.001"));
}

class StoredLeague : public FormTest {
protected:
    void prepareFiles() override {
        std::string results = std::string("381371") + std::string(24, ' ') + " \n";
        for (int i = 0; i < 200; ++i)
            results +=
                (i < 3 ? std::string("Team") + char('A' + i) + std::string(40, ' ') : std::string(45, ' ')) + "\n";
        folder_.write(files::kResults, results);
        folder_.write(files::kSuspended, std::string(2000, ' '));
        folder_.write(files::kUserName, "Kanto League" + std::string(28, ' '));
        folder_.write(files::kGroups, "A1A2" + std::string(996, ' '));
        folder_.write(files::kChangePositions, std::string(" 12  3 \n  5 14 \n"));
    }
};

TEST_F(StoredLeague, StartUpShowsTheNewestTermAndClosingSavesTheSettings) {
    EXPECT_EQ(child<QLineEdit>("Edit_Year")->text(), "38");
    EXPECT_EQ(child<QLineEdit>("Edit_UserName")->text(), "Kanto League");
    EXPECT_EQ(child<QLabel>("Label_TeamDs")->text(), "3");
    EXPECT_EQ(child<QLabel>("Label_KyuusiDs")->text(), "2");
    EXPECT_EQ(form_->model().termHalf, 1);
    EXPECT_EQ(form_->model().deleteAvailable, 1);
    changeModel().groupBlock.replace(4, 2, "B1");
    closeForm();
    EXPECT_EQ(folder_.read(files::kGroups), "A1A2B1" + std::string(994, ' '));
    EXPECT_EQ(folder_.read(files::kChangePositions), "  5 14 \n 12  3 \n");
}

}  // namespace
