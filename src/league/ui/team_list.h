#pragma once
// The ten team names of the selected group beside the group list, strongest team first,
// with the captions that explain them. A name is written when its box is confirmed or left;
// F2 and F4 move a team one row up or down.

#include <QWidget>
#include <array>
#include <string>

#include "form/screen_area.h"
#include "league/team_moves.h"

class FieldEdit;
class FramedShape;

class TeamList : public QWidget, public ScreenArea {
    Q_OBJECT
public:
    TeamList(QWidget* form, FormServices& services);

    // The names of the shown group as stored, and the selected team's frame red.
    void showNames();
    // The frame of the current team red, the others silver; lime frames keep their colour.
    void markSelectedTeam();
    // Row n's frame lime while a panel acts on its team; when it closes, the current team's red.
    void markActedOn(int n, bool actedOn);

    // Row n (1..10).
    void Edit_TeamNameEnter(int n);
    void Edit_TeamNameExit(int n);
    void Edit_TeamNameKeyDown(int n, int key);

private:
    void buildCaptions();
    void buildRows();
    // False when the name was refused (no register record left for it); the box then shows
    // the stored name again.
    bool writeName(int n);
    void moveTeam(int n, MoveDirection d);
    bool nameIsFilled(int n) const;

    std::array<FieldEdit*, kTeamsPerGroup> edits_{};
    std::array<FramedShape*, kTeamsPerGroup> frames_{};
    // The row whose entry was accepted (0: none) and the text its box showed when the name
    // was last read, so that a name left untouched keeps its stored bytes.
    int editingRow_ = 0;
    QString shown_;
};
