#pragma once
// A question over a screen, answered "F1 はい" or "F9 いいえ" in the program's panel style.
// いいえ is highlighted at first, so that a hasty [Enter] changes nothing; ← and → move the
// highlight, [Enter] answers the highlighted one, F1 and F9 answer at once, [ESC] is いいえ.
// The panel's hidden key box holds the focus while it asks, and clicks elsewhere on the
// parent do nothing. The owner sets the panel flags and takes the focus back when it is
// answered.

#include <QObject>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;
class ChoiceButtons;
class HiddenKeyBox;
struct FormServices;

class YesNoPanel : public QObject {
    Q_OBJECT
public:
    // stem names the controls: Panel_<stem>, Label_<stem> (the question), Label_<stem>_F1,
    // Label_<stem>_F1_Msg, Label_<stem>_F9, Label_<stem>_F9_Msg, Edit_<stem>CommandChoose.
    YesNoPanel(QWidget* parent, const QString& stem, const QRect& geometry, FormServices& services, int focusCode);

    // Shows the question (lines may be broken with \n) and takes the focus.
    void ask(const QString& question);
    bool isOpen() const;
    QFrame* frame() const { return panel_; }

signals:
    void answered(bool yes);

private:
    void answer(bool yes);

    FormServices& s_;
    int focusCode_;
    QWidget* shield_;
    QFrame* panel_;
    QLabel* question_;
    ChoiceButtons* choices_;
    HiddenKeyBox* keyBox_;
};
