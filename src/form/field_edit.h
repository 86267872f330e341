#pragma once
// A single-line edit box as the form uses them: it reports entering and leaving, hands
// every key to its owner first, and holds at most a given number of Shift-JIS bytes.

#include <QLineEdit>

class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    FieldEdit(QWidget* parent, const QString& name, const QRect& geometry, int maxBytes = 0);

    // The longest text in Shift-JIS bytes (0 = no limit). Typed or pasted text that does
    // not fit is cut at a character boundary; what was there before stays as it was.
    void setMaxBytes(int n);
    int maxBytes() const { return maxBytes_; }

    // Set by a key handler that has dealt with the key, so the edit box does not act on it.
    void setKeyHandled() { keyHandled_ = true; }

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
    // Every edit by the user (keys, paste, input method) passes here before it is kept.
    void checkEdit(const QString& edited);

    int maxBytes_ = 0;
    bool keyHandled_ = false;
    QString lastText_;  // the text before the edit being checked
};
