#pragma once
// One grid of the change-over screen: four group columns over a window of the 20 groups,
// the fifth column of suspended teams, the group letters and counts, the side caption, and
// the two scroll arrows. The draft grid and the revised grid are the same but for their
// names, captions and pictures. Every cell reports its clicks through one signal.

#include <QObject>
#include <QString>
#include <array>
#include <string>

#include "league/change_over_lineup.h"
#include "store/capacities.h"
#include "store/list_pager.h"

class QLabel;
class QWidget;
class ClickLabel;
class ArrowPicture;
class GridCell;

class LineUpGrid : public QObject {
    Q_OBJECT
public:
    static constexpr int kGroupColumns = 4;
    static constexpr int kColumns = kGroupColumns + 1;
    static constexpr int kHeight = 226;

    enum class Kind { Draft, Revised };
    // The arrows beside the group columns scroll the groups (step −1 left, +1 right); those
    // beside the suspended column scroll its rows (−1 up, +1 down).
    enum class Scroll { Groups, Rows };
    Q_ENUM(Scroll)

    // top: panel y of the grid; imagesFolder: where the arrow pictures are.
    LineUpGrid(QWidget* panel, Kind kind, int top, const std::string& imagesFolder);

    // What a grid shows: teams by slot, counts per group, the groups' letters, names by team.
    struct Contents {
        const std::array<int, kChangePositions>* teams;
        const std::array<int, kGroups>* counts;
        const LeagueModel* model;
        const DraftTeams* names;
    };
    // Where a grid stands: the window of four columns over the groups, and the window of ten
    // rows over the suspended column.
    struct Window {
        ListPager groups{kGroupColumns, kGroups};
        ListPager rows{kTeamsPerGroup};
        ListPager& of(Scroll scroll) { return scroll == Scroll::Rows ? rows : groups; }
    };
    // Shows the window of the contents and highlights the selected slot (-1: none).
    void show(const Contents& c, const Window& w, int selectedSlot);

    // The slot of a cell: column 1..5, row 0..9.
    static int slotOf(const Window& w, int column, int row);
    ArrowPicture* arrow(Scroll scroll, int step) const;

signals:
    void cellClicked(int column, int row);
    void arrowPressed(LineUpGrid::Scroll scroll, int step);
    void arrowReleased(LineUpGrid::Scroll scroll, int step);
    void arrowClicked(LineUpGrid::Scroll scroll, int step);

private:
    Kind kind_;
    std::array<QLabel*, kGroupColumns> letters_{};
    std::array<QLabel*, kGroupColumns> counts_{};
    std::array<std::array<GridCell*, kTeamsPerGroup>, kColumns> cells_{};
    std::array<ArrowPicture*, 4> arrows_{};  // groups left, right; rows up, down
};
