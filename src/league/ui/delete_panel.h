#pragma once
// Panel_Delete: asks whether the team of a row withdraws (退会) or is suspended (休部), and does
// it. "F9" しない is highlighted at first, so that a hasty [Enter] changes nothing.

#include <QObject>

#include "form/screen_area.h"
#include "league/suspension.h"

class QFrame;
class QLabel;
class QWidget;
class ChoiceButtons;
class HiddenKeyBox;

class DeletePanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    DeletePanel(QWidget* form, FormServices& services);

    // Opens the panel for the team in row n (1..10) of the shown group.
    void open(int n, Leaving how);
    bool isOpen() const;

    void Edit_Panel_DeleteCommandChooseEnter();
    void Edit_Panel_DeleteCommandChooseKeyDown(int key);
    // A click on "F1"/"する" (index 0) or "F9"/"しない" (index 1), after it is highlighted.
    void Label_PanelDeleteClick(int index);

private:
    void perform();
    void close();

    QFrame* panel_;
    QLabel* teamName_;
    QLabel* question_;
    QLabel* mode_;
    QLabel* changes_;
    ChoiceButtons* choices_;
    HiddenKeyBox* keyBox_;
    int row_ = 0;  // 1..10 while open
    Leaving pending_ = Leaving::Withdrawal;
};
