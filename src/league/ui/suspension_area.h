#pragma once
// Withdrawal, suspension and return of teams: the box that chooses whether later groups move
// along (CheckBox_AllTeam), the confirmation panel and the list of suspended teams. The team
// list opens the panels with F6, F7 and F8.

#include <QObject>

#include "form/screen_area.h"
#include "league/ui/team_panel_support.h"

class QCheckBox;
class QWidget;
class DeletePanel;
class ReturnPanel;

class SuspensionArea : public QObject, public ScreenArea {
    Q_OBJECT
public:
    SuspensionArea(QWidget* form, FormServices& services);

    // Row n (1..10) of the team list.
    void openWithdrawal(int n);
    void openSuspension(int n);
    void openReturn(int n);

    void CheckBox_AllTeamClick();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QCheckBox* allTeam_;
    DeletePanel* deletePanel_;
    ReturnPanel* returnPanel_;
};
