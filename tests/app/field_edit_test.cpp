// The edit boxes' byte limit and their refusal of characters the data files cannot hold, as
// typed, committed by an input method and pasted: the single-line box and the memo alike.

#include "form/field_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTest>

#include "form/memo_edit.h"
#include "store/sjis.h"

namespace {

class FieldEditTest : public ::testing::Test {
protected:
    FieldEdit edit{nullptr, "Edit_Test", QRect(0, 0, 200, 20), 20};

    void commit(const QString& text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(&edit, &e);
    }
    int bytes() const { return int(sjis::fromUnicode(edit.text().toStdString()).size()); }
};

TEST_F(FieldEditTest, TenFullWidthCharactersFillTwentyBytesAndAnEleventhIsRefused) {
    commit(QStringLiteral("一二三四五"));
    commit(QStringLiteral("六七八九十"));
    EXPECT_EQ(edit.text(), QStringLiteral("一二三四五六七八九十"));
    EXPECT_EQ(bytes(), 20);
    commit(QStringLiteral("百"));
    QTest::keyClicks(&edit, "a");
    EXPECT_EQ(edit.text(), QStringLiteral("一二三四五六七八九十"));

    // Typed into the middle of a full field, the new character goes, not the last one.
    edit.setCursorPosition(2);
    commit(QStringLiteral("万"));
    EXPECT_EQ(edit.text(), QStringLiteral("一二三四五六七八九十"));
    EXPECT_EQ(edit.cursorPosition(), 2);
}

TEST_F(FieldEditTest, AnInsertionThatWouldEndOnHalfACharacterIsCutBeforeIt) {
    QTest::keyClicks(&edit, "a");
    commit(QStringLiteral("一二三四五六七八九"));
    EXPECT_EQ(bytes(), 19);
    commit(QStringLiteral("十"));
    EXPECT_EQ(bytes(), 19);
    commit(QStringLiteral("bc"));
    EXPECT_EQ(edit.text(), QStringLiteral("a一二三四五六七八九b"));

    edit.clear();
    QTest::keyClicks(&edit, "xyz");
    edit.setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("１２３４５６７８９"));
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("x１２３４５６７８yz"));
    EXPECT_EQ(edit.cursorPosition(), 9);
}

TEST_F(FieldEditTest, ACharacterWithoutACp932FormIsLeftOutAndTheRestKept) {
    QTest::keyClicks(&edit, "ab");
    commit(QStringLiteral("c😀"));
    commit(QStringLiteral("한"));
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_EQ(edit.cursorPosition(), 3);
    // The usual Japanese marks and the extensions of the code page are welcome.
    commit(QStringLiteral("①髙～〜ｱ"));
    EXPECT_EQ(edit.text(), QStringLiteral("abc①髙～〜ｱ"));
}

TEST_F(FieldEditTest, AStoredCharacterThatCannotBeShownCanStillBeEditedAround) {
    edit.setText(QString::fromStdString(sjis::toUnicode("A\x82")) + "B");
    edit.setCursorPosition(3);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, "C");
    EXPECT_EQ(edit.text(), QString::fromStdString(sjis::toUnicode("A\x82")) + "C");
    edit.setCursorPosition(2);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "AC");
}

TEST(MemoEditTest, LeavesOutWhatCannotBeStoredAsTheSingleLineBoxDoes) {
    MemoEdit memo(nullptr, "Memo_Test", QRect(0, 0, 200, 80), 10);
    QInputMethodEvent e;
    e.setCommitString(QStringLiteral("鈴😀木\n한ab"));
    QApplication::sendEvent(&memo, &e);
    // 鈴 木 and the line break take six bytes; a and b fit, nothing else does.
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("鈴木\nab"));
    e.setCommitString(QStringLiteral("cdef"));
    QApplication::sendEvent(&memo, &e);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("鈴木\nabcd"));
}

}  // namespace
