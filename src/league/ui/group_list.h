#pragma once
// The 20 group rows at the left of the main window: the class (級) and division (部) letter
// of each group, strongest group first. Entering a row selects its group; a blue frame and a
// marker show which one is selected.

#include <QWidget>
#include <array>

#include "form/screen_area.h"
#include "league/group_names.h"

class QLabel;
class FieldEdit;
class FramedShape;

class GroupList : public QWidget, public ScreenArea {
    Q_OBJECT
public:
    GroupList(QWidget* form, FormServices& services);

    // The letters of every row but the one being edited, and the selection at currentGroup.
    void showGroups();

    // Row n (1..20) of the class or the division column.
    void Edit_KyuuEnter(int n);
    void Edit_KyuuExit(int n);
    void Edit_KyuuKeyDown(int n, int key);
    void Edit_BuEnter(int n);
    void Edit_BuExit(int n);
    void Edit_BuKeyDown(int n, int key);

private:
    void letterKeyDown(GroupColumn c, int n, int key);

    struct Column {
        std::array<FieldEdit*, kGroups> edits{};
        std::array<FramedShape*, kGroups> frames{};
    };

    void buildColumn(GroupColumn c);
    Column& column(GroupColumn c) { return c == GroupColumn::Class ? class_ : division_; }
    char storedLetter(GroupColumn c, int n) const;
    void showLetter(GroupColumn c, int n);
    void enterBox(GroupColumn c, int n);
    void exitBox(GroupColumn c, int n);
    void storeLetter(GroupColumn c, int n);
    bool isEditing(GroupColumn c, int n) const { return editingRow_ == n && editingColumn_ == c; }

    Column class_;
    Column division_;
    FramedShape* selection_ = nullptr;
    QLabel* marker_ = nullptr;
    // The box whose entry was accepted (row 0: none) and the text it showed when entered or
    // last stored, so that a letter left untouched keeps its stored byte.
    GroupColumn editingColumn_ = GroupColumn::Class;
    int editingRow_ = 0;
    QString shown_;
};
