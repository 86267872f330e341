// While a panel is open the main screen's fields and the help memo cannot take the focus;
// the refusal is shown for a while and the focus goes back to the panel. Also the help
// area's lines and hint as the focus moves between a field and the command panel.

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include "support/form_fixture.h"

namespace {

class PanelGuardTest : public FormTest {
protected:
    // One stored term, so that leaving the year field shows it instead of the first-use panel.
    void prepareFiles() override {
        std::string results = "381" + std::string(28, ' ') + "\n";
        for (int i = 0; i < 200; ++i) results += std::string(45, ' ') + "\n";
        folder_.write(files::kResults, results);
    }
    QWidget* commandPanel() const { return child("Panel_Command"); }
    QString manualHint() const { return child<QLabel>("Label_Manual")->text(); }

    void openPanel() {
        ASSERT_EQ(focusName(), "Edit_Year");
        key(Qt::Key_Escape);
        ASSERT_EQ(focusName(), "Edit_CommandChoose");
    }
    void tick(QTimer* t) { QMetaObject::invokeMethod(t, "timeout"); }
};

TEST_F(PanelGuardTest, EnteringAFieldWhilePanelIsOpenIsRefusedAndTheFocusReturns) {
    openPanel();
    QTimer* timer = form_->errorMessageTimer();
    QWidget* message = child("Panel_OpenErr");

    click(child("Edit_UserName"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_EQ(recordedFocus(), "Edit_CommandChoose") << "a refused field does not take its number";

    tick(timer);
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(child<QLabel>("Panel_OpenErr_Text")->text(), "■パネルが開いた状態では操作できません■");
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(timer->interval(), 2000);

    tick(timer);
    EXPECT_FALSE(message->isVisible());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_TRUE(commandPanel()->isVisible());

    // The panel still answers its keys and closes back to the field it was opened from.
    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_EQ(state().panelOpen, 0);
}

TEST_F(PanelGuardTest, TheMemoCannotTakeTheFocusFromAnOpenPanel) {
    QPlainTextEdit* memo = child<QPlainTextEdit>("Memo1");
    click(memo->viewport());
    EXPECT_EQ(focusName(), "Memo1");
    EXPECT_EQ(recordedFocus(), "Memo1");

    click(child("Edit_Year"));
    openPanel();
    click(memo->viewport());
    EXPECT_EQ(focusName(), "Edit_CommandChoose");
    EXPECT_EQ(recordedFocus(), "Edit_CommandChoose");
    EXPECT_FALSE(form_->errorMessageTimer()->isActive()) << "the memo gives no message";
}

TEST_F(PanelGuardTest, HelpLinesAndHintFollowTheFocus) {
    EXPECT_EQ(manualHint(), "入力中の項目では説明文を読めません");
    EXPECT_TRUE(child<QPlainTextEdit>("Memo1")->toPlainText().startsWith("      << 操作説明および注意点 >>\n"));
    EXPECT_TRUE(child<QPlainTextEdit>("Memo1")->isReadOnly());

    openPanel();
    EXPECT_EQ(manualHint(), "説明文内でクリックし↑↓キーでお読みください");
    EXPECT_EQ(child<QLabel>("Label_HelpMsg_01")->text(),
              "↑↓キーでコマンドを選択し[Enter]キーを押してください．[F1]-[F10]キーでも選択できます．");
    EXPECT_EQ(child<QLabel>("Label_HelpMsg_02")->text(), "[ESC]キーでコマンドを選択せずコマンドパネルを閉じます．");

    key(Qt::Key_Escape);
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_EQ(manualHint(), "入力中の項目では説明文を読めません");
}

}  // namespace
