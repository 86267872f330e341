#pragma once
// The line between the grids of the change-over screen: which draft cell goes to which
// revised cell, read "更新規則 次節案 [group] の [rank] 位 の [team] を 修正後次節 [group] の
// [rank] 位 に", with "変更する", "PageUp" "前の規則", "PageDown" "次の規則" and the rule
// list's "更新規則" "一　覧" beside it.

#include <QObject>
#include <QString>

class QLabel;
class QWidget;
class ClickLabel;
class KeyButton;

class RuleLine : public QObject {
    Q_OBJECT
public:
    RuleLine(QWidget* panel, int top);

    // A place on the line: a group's letters (or the fifth column's caption), a rank (or a
    // row of the fifth column), and on the draft side the team's name.
    void showDraft(const QString& group, int rank, bool row, const QString& team);
    void showRevised(const QString& group, int rank, bool row);

    KeyButton* changeButton() const { return change_; }
    KeyButton* previousButton() const { return previous_; }
    KeyButton* nextButton() const { return next_; }

signals:
    void changeClicked();    // "変更する"
    void previousClicked();  // "PageUp" "前の規則"
    void nextClicked();      // "PageDown" "次の規則"
    void ruleListClicked();  // "更新規則" "一　覧"

private:
    QLabel* draftGroup_;
    QLabel* draftRank_;
    QLabel* draftUnit_;
    QLabel* draftTeam_;
    QLabel* revisedGroup_;
    QLabel* revisedRank_;
    QLabel* revisedUnit_;
    KeyButton* change_;
    KeyButton* previous_;
    KeyButton* next_;
};
