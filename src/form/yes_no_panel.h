#pragma once
// A question over a screen, answered "F1 はい" or "F9 いいえ" in the program's panel style.
// いいえ is highlighted at first, so that a hasty [Enter] changes nothing; ← and → move the
// highlight, [Enter] answers the highlighted one, F1 and F9 answer at once, [ESC] is いいえ.
// Clicks elsewhere on the parent do nothing while it asks. The owner sets the panel flags and
// takes the focus back when it is answered.
//
// The panel either holds the focus in a hidden key box of its own, or leaves it in its owner's
// command box, which hands it the keys (handleKey) while it is open.

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QFrame;
class QLabel;
class QWidget;
class ChoiceButtons;
class HiddenKeyBox;
struct FormServices;

class YesNoPanel : public QObject {
    Q_OBJECT
public:
    // stem names the controls: Panel_<stem>, Label_<stem> (the question), Label_<stem>Msg_<n>
    // (its notes), Label_<stem>_F1, Label_<stem>_F1_Msg, Label_<stem>_F9, Label_<stem>_F9_Msg,
    // and Edit_<stem>CommandChoose, the key box that takes focus number focusCode.
    YesNoPanel(QWidget* parent, const QString& stem, const QRect& geometry, FormServices& services, int focusCode);
    // Without a key box: the owner's box keeps the focus and hands the keys on.
    YesNoPanel(QWidget* parent, const QString& stem, const QRect& geometry);

    // Shows the question (lines may be broken with \n). With notes, each note is a line of its
    // own above the question, which then stands out in red.
    void ask(const QString& question, const QStringList& notes = {});
    bool isOpen() const;
    // Closes without an answer (the screen under it closes).
    void close();
    // The keys of an open question: ← → [Enter] F1 F9 [ESC].
    void handleKey(int key);
    QFrame* frame() const { return panel_; }

signals:
    void answered(bool yes);

private:
    void build(QWidget* parent, const QRect& geometry);
    void layOut(const QStringList& notes);
    void answer(bool yes);

    QString stem_;
    FormServices* s_ = nullptr;
    int focusCode_ = 0;
    QWidget* shield_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* question_ = nullptr;
    std::vector<QLabel*> notes_;
    ChoiceButtons* choices_ = nullptr;
    HiddenKeyBox* keyBox_ = nullptr;
};
