#pragma once
// How many teams each group holds in the next term (Panel_LeagueTeamSuu), opened over the
// change-over screen with F5: one two-digit count per group, groups 1–10 on the left and
// 11–20 on the right. F2 pours the planned line-up into the groups with the new counts;
// F9 closes without change.

#include <QObject>
#include <array>

#include "form/screen_area.h"

class QFrame;
class ClickLabel;
class FieldEdit;
class FramedShape;
class KeyButton;

class TeamCountsPanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    TeamCountsPanel(QWidget* form, FormServices& services);

    // Opens the panel, or closes it (as F9) when it is open.
    void toggle();
    bool isOpen() const;
    QFrame* panel() const { return panel_; }

    // Box n = 1..20.
    void Label_Panel_LeagueTeamSuu_KyuubuClick(int n);
    void Edit_Panel_LeagueTeamSuu_KyuubuEnter(int n);
    void Edit_Panel_LeagueTeamSuu_KyuubuExit(int n);
    void Edit_Panel_LeagueTeamSuu_KyuubuKeyDown(int n, int key);
    void Label_Panel_LeagueTeamSuu_F2Click();
    void Label_Panel_LeagueTeamSuu_F9Click();

private:
    void normalise(int n);
    void apply();
    void close();

    QFrame* panel_;
    std::array<ClickLabel*, kGroups> letters_{};
    std::array<FieldEdit*, kGroups> boxes_{};
    std::array<FramedShape*, kGroups> frames_{};
    KeyButton* apply_;
    KeyButton* cancel_;
    int returnFocus_ = 0;
};
