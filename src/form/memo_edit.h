#pragma once
// A multi-line edit box with the guarantees of FieldEdit: it reports entering and leaving,
// hands every key to its owner first, holds at most a given number of Shift-JIS bytes
// (a line break counts as CR LF, two bytes) and leaves out characters the data files cannot
// hold (edit_insertion.h). What does not fit is cut at a character boundary; the rest stays
// as it was.

#include <QPlainTextEdit>

#include "form/edit_insertion.h"

class MemoEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    MemoEdit(QWidget* parent, const QString& name, const QRect& geometry, int maxBytes);

    // The text as stored, shown without the checks on typing (it may hold what a damaged
    // file held); the cursor goes to its start.
    void showText(const QString& text);
    int maxBytes() const { return maxBytes_; }

    // Bytes the text takes once stored.
    static int storedBytes(const QString& text);

    // Set by a key handler that has dealt with the key, so the edit box does not act on it.
    void setKeyHandled() { keys_.setHandled(); }

signals:
    void entered();
    void exited();
    void keyDown(int key, Qt::KeyboardModifiers mods);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

private:
    void checkEdit();
    bool offerKey(int key);

    int maxBytes_;
    KeyHandOff keys_;
    bool checking_ = false;
    QString lastText_;  // the text as last accepted
};
