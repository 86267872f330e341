// F1 and F3 of the command panel as the organiser uses them with no printer installed: the
// report goes to a PDF in Print/, a message names it, and the panel closes.

#include <QFrame>
#include <QLabel>
#include <QPrinterInfo>
#include <QTimer>
#include <filesystem>

#include "form/timed_messages.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"

namespace {

class PrintCommands : public FormTest {
protected:
    void prepareFiles() override { layLeague(folder_); }
    void SetUp() override {
        FormTest::SetUp();
        if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here; it would print";
    }
    // The headline and the file of the saved-file message.
    QString savedFile() const {
        if (!child<QFrame>("Panel_SavedFile")->isVisible()) return QStringLiteral("(not shown)");
        return child<QLabel>("Label_SavedFileMessage")->text() + QLatin1Char(' ') +
               child<QLabel>("Label_SavedFileNames")->text();
    }
    QString messageAfterTimer() {
        QTimer* timer = form_->messages().saveErrorTimer();
        if (!timer->isActive()) return QString();
        QMetaObject::invokeMethod(timer, "timeout");
        return form_->messages().messageText();
    }
};

TEST_F(PrintCommands, F1SavesTheStandingsSheetAsAPdfAndSaysWhere) {
    key(Qt::Key_Escape);
    key(Qt::Key_F1);
    EXPECT_FALSE(child<QFrame>("Panel_Command")->isVisible());
    EXPECT_GT(std::filesystem::file_size(folder_.path("Print/勝敗表_2026後期.pdf")), 1000u);
    EXPECT_EQ(savedFile(), QStringLiteral("■勝敗表をPDFに保存しました■ ") +
                               QString::fromStdString(folder_.path("Print/勝敗表_2026後期.pdf")));
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_Year");
}

TEST_F(PrintCommands, AClickOnTheThirdCommandSavesTheTeamList) {
    key(Qt::Key_Escape);
    click(child<QWidget>("Label_CommandName_03"));
    EXPECT_TRUE(std::filesystem::exists(folder_.path("Print/チーム一覧_2026後期.pdf")));
    EXPECT_TRUE(savedFile().endsWith(QStringLiteral("/Print/チーム一覧_2026後期.pdf")));
    EXPECT_FALSE(child<QFrame>("Panel_Command")->isVisible());
}

TEST_F(PrintCommands, AFolderThatCannotTakeThePdfIsSaid) {
    folder_.write("Print", "a file where the folder should be");
    key(Qt::Key_Escape);
    key(Qt::Key_F1);
    const QString message = messageAfterTimer();
    EXPECT_TRUE(message.contains(QStringLiteral("保存できません"))) << message.toStdString();
}

}  // namespace
