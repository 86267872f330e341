// The message that names the files a report command saved: the whole path with the home
// folder as "~", long enough to read, [Enter] for the desktop's viewer when there is one and
// [F9] to close, the keyboard held meanwhile so nothing typed lands in a field, and the
// focus back where it was.

#include "form/saved_file_message.h"

#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "form/timed_messages.h"
#include "support/form_fixture.h"
#include "support/league_folder.h"

namespace {

// An environment variable set for one test and put back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) { qputenv(name, value); }
    ~ScopedEnv() { qputenv(name_, old_); }

private:
    const char* name_;
    QByteArray old_;
};

class SavedFileMessageTest : public FormTest {
protected:
    // Six groups of eight teams, newest term 2026後期; team 1 of group 1 is selected.
    void prepareFiles() override { layLeague(folder_); }

    bool shown() const { return child<QFrame>("Panel_SavedFile")->isVisible(); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }
    QTimer* timer() const { return child<QTimer>("Timer_SavedFile"); }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }

    // The street number of the selected team, with the focus in it and something typed.
    void workInStreetNumber() {
        click(field("Edit_Banti"));
        ASSERT_EQ(focusName(), "Edit_Banti");
        field("Edit_Banti")->end(false);
        typeText(QStringLiteral("-9"));
        street_ = field("Edit_Banti")->text();
    }
    void f5() {
        key(Qt::Key_Escape);
        key(Qt::Key_F5);
    }

    QString street_;
    QTemporaryDir bin_;  // PATH for the test: a fake viewer, or nothing at all
    ScopedEnv path_{"PATH", bin_.path().toLocal8Bit()};
    ScopedEnv home_{"HOME", QByteArray::fromStdString(folder_.root())};
};

TEST_F(SavedFileMessageTest, F5NamesBothFilesBelowHomeAndHoldsTheKeysUntilF9) {
    workInStreetNumber();
    f5();
    // At once, without a timer's tick: nothing typed from here on can reach the field.
    ASSERT_TRUE(shown());
    EXPECT_EQ(focusName(), "Edit_SavedFileChoose");
    EXPECT_EQ(text("Label_SavedFileMessage"), QStringLiteral("■PDFに保存しました■"));
    EXPECT_EQ(text("Label_SavedFileNames"),
              QStringLiteral("~/Print/勝敗表_2026後期.pdf\n~/Print/チーム一覧_2026後期.pdf"));
    EXPECT_EQ(text("Label_SavedFileKeys"), QStringLiteral("[F9]キー：閉じる"));  // no viewer on this PATH
    EXPECT_TRUE(timer()->isActive());
    EXPECT_GE(timer()->interval(), 4000);

    for (int k : {int(Qt::Key_A), int(Qt::Key_7), int(Qt::Key_Backspace), int(Qt::Key_Delete), int(Qt::Key_Tab),
                  int(Qt::Key_Up), int(Qt::Key_Down), int(Qt::Key_Home), int(Qt::Key_F5), int(Qt::Key_F1)})
        key(k);
    typeText(QStringLiteral("あいう"));
    EXPECT_TRUE(shown());
    EXPECT_EQ(focusName(), "Edit_SavedFileChoose");
    for (const char* name : {"Edit_Banti", "Edit_Bill", "Edit_City", "Edit_Mail", "Edit_Year", "Edit_UserName"})
        EXPECT_FALSE(field(name)->text().contains(QStringLiteral("あ"))) << name;
    EXPECT_EQ(field("Edit_Banti")->text().trimmed(), street_);
    EXPECT_FALSE(child<QFrame>("Panel_Command")->isVisible());

    key(Qt::Key_F9);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(focusName(), "Edit_Banti");
    typeText(QStringLiteral("4"));
    EXPECT_EQ(field("Edit_Banti")->text(), street_ + QStringLiteral("4"));
}

TEST_F(SavedFileMessageTest, KeysTypedAheadWhileTheFilesAreWrittenReachTheMessageNotTheField) {
    workInStreetNumber();
    key(Qt::Key_Escape);
    // F5 and the keys after it wait in the queue together, as when typed while the PDFs are made.
    for (int k : {int(Qt::Key_F5), int(Qt::Key_Z), int(Qt::Key_Backspace), int(Qt::Key_Backspace)}) {
        QCoreApplication::postEvent(
            form_->windowHandle(),
            new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier, k == Qt::Key_Z ? QStringLiteral("z") : QString()));
        QCoreApplication::postEvent(form_->windowHandle(), new QKeyEvent(QEvent::KeyRelease, k, Qt::NoModifier));
    }
    QApplication::processEvents();
    ASSERT_TRUE(shown());
    EXPECT_EQ(focusName(), "Edit_SavedFileChoose");
    key(Qt::Key_F9);
    EXPECT_EQ(focusName(), "Edit_Banti");
    EXPECT_EQ(field("Edit_Banti")->text(), street_);
}

TEST_F(SavedFileMessageTest, ItClosesByItselfOrByAClickAndTheFocusIsWhereTheUserIs) {
    workInStreetNumber();
    f5();
    ASSERT_TRUE(shown());
    QMetaObject::invokeMethod(timer(), "timeout");
    EXPECT_FALSE(shown());
    EXPECT_EQ(focusName(), "Edit_Banti");

    f5();
    ASSERT_TRUE(shown());
    click(field("Edit_UserName"));
    EXPECT_FALSE(shown());
    EXPECT_EQ(focusName(), "Edit_UserName");
    QMetaObject::invokeMethod(timer(), "timeout");  // a late tick takes nothing back
    EXPECT_EQ(focusName(), "Edit_UserName");
}

TEST_F(SavedFileMessageTest, EnterOpensEachFileWithTheDesktopsViewer) {
    const QString log = bin_.filePath(QStringLiteral("opened.txt"));
    QFile viewer(bin_.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(viewer.open(QIODevice::WriteOnly));
    viewer.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\n").arg(log).toUtf8());
    viewer.close();
    viewer.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    workInStreetNumber();
    key(Qt::Key_Escape);
    key(Qt::Key_F6);
    ASSERT_TRUE(shown());
    EXPECT_EQ(text("Label_SavedFileMessage"), QStringLiteral("■CSVに書き出しました■"));
    EXPECT_EQ(text("Label_SavedFileKeys"), QStringLiteral("[Enter]キー：ファイルを開く　　[F9]キー：閉じる"));
    key(Qt::Key_Return);
    EXPECT_FALSE(shown());
    EXPECT_EQ(focusName(), "Edit_Banti");
    EXPECT_EQ(field("Edit_Banti")->text(), street_);

    // The viewer runs on its own; wait for both files to reach it.
    QByteArray opened;
    for (int i = 0; i < 500 && opened.count('\n') < 2; ++i) {
        QTest::qWait(20);
        QFile f(log);
        if (f.open(QIODevice::ReadOnly)) opened = f.readAll();
    }
    const QString root = QString::fromStdString(folder_.root());
    EXPECT_EQ(QString::fromUtf8(opened), root + QStringLiteral("/Export/勝敗表_2026後期.csv\n") + root +
                                             QStringLiteral("/Export/チーム一覧_2026後期.csv\n"));
}

TEST_F(SavedFileMessageTest, WithoutAViewerEnterClosesTheMessageAndNothingFails) {
    f5();
    ASSERT_TRUE(shown());
    key(Qt::Key_Return);
    EXPECT_FALSE(shown());
    EXPECT_EQ(focusName(), "Edit_Year");
    EXPECT_FALSE(form_->messages().saveErrorTimer()->isActive());
}

TEST_F(SavedFileMessageTest, APathOutsideHomeIsWrittenInFull) {
    ScopedEnv elsewhere("HOME", QByteArrayLiteral("/nonexistent-home"));
    key(Qt::Key_Escape);
    key(Qt::Key_F1);
    if (!shown()) GTEST_SKIP() << "a printer is installed here; F1 printed on it";
    EXPECT_EQ(text("Label_SavedFileMessage"), QStringLiteral("■勝敗表をPDFに保存しました■"));
    EXPECT_EQ(text("Label_SavedFileNames"),
              QString::fromStdString(folder_.root()) + QStringLiteral("/Print/勝敗表_2026後期.pdf"));
}

}  // namespace
