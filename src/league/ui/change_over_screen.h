#pragma once
// The change-over screen (Panel_Kousin): the next term's draft from the final ranks above,
// the revised line-up below, the rule line between them, and the commands F1 (carry out),
// F5 (teams per group) and F9 (cancel). It opens from the command panel's F2 and from the
// new-term panel; the rule list and the teams-per-group panel open over it.

#include <QObject>

#include "form/screen_area.h"
#include "league/change_over_execution.h"
#include "league/change_over_lineup.h"
#include "league/ui/line_up_grid.h"

class QFrame;
class HiddenKeyBox;
class KeyButton;
class RuleLine;
class RuleListPanel;
class TeamCountsPanel;
class YesNoPanel;

class ChangeOverScreen : public QObject, public ScreenArea {
    Q_OBJECT
public:
    ChangeOverScreen(QWidget* form, FormServices& services);

    // Opened from the command panel, which stays open beneath and takes the focus back on
    // cancel, or from the new-term panel; the new term is always the one after the newest stored.
    void open(bool fromCommandPanel);
    bool isOpen() const;

    QFrame* panel() const { return panel_; }
    RuleListPanel* ruleList() const { return ruleList_; }
    TeamCountsPanel* teamCounts() const { return counts_; }

    void Edit_KousinCommandChooseEnter(int focusCode);
    void Edit_KousinCommandChooseKeyDown(int key);
    void Label_PreTeamNameClick(int column, int row);
    void Label_NextTeamNameClick(int column, int row);
    void Label_KousinExecClick();
    void Label_BeforeKimariClick();
    void Label_AfterKimariClick();
    // Image_Before_LeftClick and its seven twins: the groups by −1 left, +1 right; the
    // suspended column's rows by −1 up, +1 down.
    void Image_Click(LineUpGrid::Kind grid, LineUpGrid::Scroll scroll, int step);
    void Image_MouseDown(LineUpGrid::Kind grid, LineUpGrid::Scroll scroll, int step);
    void Image_MouseUp(LineUpGrid::Kind grid, LineUpGrid::Scroll scroll, int step);
    // F1, F5, F9 by key, by "Fn" and by their captions.
    void functionKey(int key);

private:
    void redraw();
    void selectDraft(int slot);
    void selectRevised(int slot);
    void showRuleLine();
    void scrollToShow(LineUpGrid::Kind grid, int slot);
    LineUpGrid* grid(LineUpGrid::Kind kind) const;
    LineUpGrid::Window& window(LineUpGrid::Kind kind);
    // The rows the suspended column of a grid can show.
    int columnRows(LineUpGrid::Kind grid) const;
    int nextRuleIndex(int step) const;
    // lossAccepted: the organiser was told whose details find no record and went ahead.
    void execute(bool lossAccepted = false);
    void askAboutLostDetails(const std::vector<std::string>& names);
    void cancel();
    void leave();
    void hideScreen();
    QString teamText(int team) const;

    QFrame* panel_;
    HiddenKeyBox* keyBox_;
    HiddenKeyBox* confirmBox_;
    LineUpGrid* draft_;
    LineUpGrid* revised_;
    RuleLine* ruleLine_;
    RuleListPanel* ruleList_;
    TeamCountsPanel* counts_;
    YesNoPanel* question_;
    YesNoPanel* lostDetails_;
    DraftTeams teams_;
    bool fromCommandPanel_ = false;
    LineUpGrid::Window draftWindow_, revisedWindow_;
    int draftSlot_ = 0;
    int revisedSlot_ = 0;
    bool revisedChosen_ = false;  // the revised cell was clicked since the draft cell was chosen
    int ruleIndex_ = 0;
};
