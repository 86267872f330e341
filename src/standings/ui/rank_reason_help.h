#pragma once
// The help lines while the pointer rests on a team's rank box or row label: why the team
// holds its rank. Moving off gives the lines back to what the table's pointer help showed.

#include <QString>

class HelpArea;

class RankReasonHelp {
public:
    explicit RankReasonHelp(HelpArea& help) : help_(help) {}

    // Row (1..10) whose reason the lines show, 0 when none.
    int row() const { return row_; }
    // Shows the reason of row in place of what the lines hold now.
    void show(int row, const QString& line1, const QString& line2);
    // Puts back what the lines held before, unless something else has written them since.
    void restore();
    // The lines still show the reason of row().
    bool showing() const;

private:
    HelpArea& help_;
    int row_ = 0;
    QString before1_, before2_;
    QString shown1_, shown2_;
};
