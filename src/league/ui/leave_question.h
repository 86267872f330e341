#pragma once
// The question asked before the change-over screen is left while it shows changes that no
// rule keeps: "F1" "はい" leaves, "F9" "いいえ" stays, and "いいえ" is chosen when it opens.
// It has no key box of its own; the screen's command box hands it the keys while it is open.

#include <QObject>

class QFrame;
class ChoiceButtons;

class LeaveQuestion : public QObject {
    Q_OBJECT
public:
    // panel: the hidden frame the question is drawn in.
    explicit LeaveQuestion(QFrame* panel);

    void open();
    void close();
    bool isOpen() const;
    // ← → move the choice, [Enter] takes it, F1 answers はい, F9 and [ESC] いいえ.
    void handleKey(int key);

signals:
    void answered(bool leave);

private:
    QFrame* panel_;
    ChoiceButtons* choices_;
};
