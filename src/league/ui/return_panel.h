#pragma once
// Panel_Kyuubu: the suspended teams, ten at a time, from which one comes back (復帰) into the
// selected row or withdraws for good (退会).

#include <QObject>
#include <array>

#include "form/screen_area.h"
#include "league/suspension.h"
#include "store/list_pager.h"

class QFrame;
class QLabel;
class QWidget;
class ClickLabel;
class FramedShape;
class HiddenKeyBox;

class ReturnPanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    static constexpr int kRows = 10;

    ReturnPanel(QWidget* form, FormServices& services);

    // Opens the list for a return into row n (1..10) of the shown group.
    void open(int n);
    bool isOpen() const;

    void Edit_KyuubuChooseEnter();
    void Edit_KyuubuChooseKeyDown(int key);
    void Label_Panel_Kyuubu_F6_TaikaiClick();
    void Label_Panel_Kyuubu_F8_FukkiClick();
    void Label_Panel_Kyuubu_F9_CloseClick();

private:
    void buildButtons();
    void showRows();
    // The selected list entry (0-based), or -1 when the selected row lies past the list's end.
    int selectedEntry() const;
    void close();

    QFrame* panel_;
    QLabel* count_;
    QLabel* mode_;
    QLabel* changes_;
    std::array<QLabel*, kRows> names_{};
    std::array<FramedShape*, kRows> frames_{};
    HiddenKeyBox* keyBox_;
    int row_ = 0;  // the team row returned into, 1..10 while open
    ListPager pager_{kRows};
};
