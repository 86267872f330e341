#pragma once
// The cross table of the shown group (Panel_SingleGame): team names as rows and, written
// downwards, as columns; the result of every pairing, clicked in; wins, losses, draws,
// points and rank of each team; the box that keeps hand-made ranks.

#include <QFrame>
#include <QSet>
#include <array>
#include <string>

#include "form/screen_area.h"
#include "standings/ui/rank_reason_help.h"

class QCheckBox;
class QLabel;
class ClickLabel;
class FieldEdit;
class FramedShape;

class GroupTable : public QFrame, public ScreenArea {
    Q_OBJECT
public:
    GroupTable(QWidget* form, FormServices& services);

    // Shows the whole table of the shown group as the document read it from the results file.
    // It shows what is stored and computes nothing.
    void ShowGroup();
    // Row and column `row` (1..10) from its stored result record.
    void ShowGroupRow(int row, const std::string& record);

    // A click on the cell of row team i against column team j (1..10, i != j).
    void Label_SelClick(int i, int j);
    // Counts, rate and (unless kept by hand) ranks from the results, shown and stored.
    void RecomputeStandings();

    // Rank field NN (1..10).
    void Edit_JunEnter(int nn);
    void Edit_JunExit(int nn);
    void Edit_JunKeyDown(int nn, int key);
    void CheckBox_JunCalEnter();

    bool ranksKeptByHand() const;

    // Pointer moved to pos (panel coordinates): the grid help appears on a result cell and
    // goes on the controls around the cells; on a team's rank box or row label the lines say
    // why the team holds its rank until the pointer moves off.
    void pointerMovedTo(const QPoint& pos);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildHeadings();
    void buildRows();
    void buildCountCells(int row, int y);
    void showMark(int i, int j, bool fromFile);
    void showStandings();
    void storeRank(int nn);
    // The row (1..10) whose rank box or row label w is, 0 for any other control.
    int reasonRowOf(QWidget* w) const;
    void showRankReason(int row);
    void refreshRankReason();
    // The grid help of the result cells and the controls around them.
    void pointerHelpAt(QWidget* under);

    int editingRank_ = 0;  // rank field being edited (1..10), 0 when none

    QCheckBox* junCal_ = nullptr;
    std::array<QLabel*, kTeamsPerGroup> rowNames_{};
    std::array<std::array<QLabel*, 8>, kTeamsPerGroup> columnChars_{};
    std::array<std::array<ClickLabel*, kTeamsPerGroup>, kTeamsPerGroup> cells_{};
    std::array<QLabel*, kTeamsPerGroup> wins_{}, losses_{}, draws_{}, points_{};
    std::array<FieldEdit*, kTeamsPerGroup> ranks_{};
    std::array<FramedShape*, kTeamsPerGroup> rankFrames_{};

    // What the pointer help tells apart: the result cells and the controls around them.
    QSet<QWidget*> resultCells_;
    QSet<QWidget*> surroundings_;
    std::array<FramedShape*, kTeamsPerGroup> nameBoxes_{};
    RankReasonHelp reasonHelp_;
};
