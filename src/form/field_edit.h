#pragma once
// A single-line edit box as the form uses them: it reports entering and leaving, hands
// every key to its owner first, and holds at most a given number of Shift-JIS bytes. A
// character the files cannot hold is left out of what is typed (edit_insertion.h).

#include <QLineEdit>

#include "form/edit_insertion.h"

class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    FieldEdit(QWidget* parent, const QString& name, const QRect& geometry, int maxBytes = 0);

    // The longest text in Shift-JIS bytes (0 = no limit). Typed or pasted text that does
    // not fit is cut at a character boundary; what was there before stays as it was.
    void setMaxBytes(int n);
    int maxBytes() const { return maxBytes_; }

    // Set by a key handler that has dealt with the key, so the edit box does not act on it.
    void setKeyHandled() { keys_.setHandled(); }
    // Whether Tab and Shift+Tab move on like [Enter] and [Home]; a panel's key box keeps them
    // to itself, so that Tab never runs a command.
    void setTabMovesOn(bool on) { tabMovesOn_ = on; }

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
    void enforceByteLimit();
    // Hands a key to the owner; true when it dealt with it.
    bool offerKey(int key);
    // Every edit by the user (keys, paste, input method) passes here before it is kept.
    void checkEdit(const QString& edited);

    int maxBytes_ = 0;
    KeyHandOff keys_;
    bool tabMovesOn_ = true;
    QString lastText_;  // the text before the edit being checked
};
