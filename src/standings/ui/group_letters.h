#pragma once
// The class and division letters of the shown group, above the list of its team names.

#include <QObject>

#include "store/league_model.h"

class QLabel;
class QWidget;

class GroupLetters : public QObject {
    Q_OBJECT
public:
    GroupLetters(QWidget* form, const LeagueModel& model);

    // Label_ChooseKyuu and Label_ChooseBu show the letters of currentGroup.
    void showGroupLetters();

private:
    const LeagueModel& m_;
    QLabel* kyuu_;
    QLabel* bu_;
};
