#pragma once
// The class and division letters of the shown group, above the list of its team names.

#include <QObject>

#include "form/screen_area.h"

class QLabel;
class QWidget;

class GroupLetters : public QObject, public ScreenArea {
    Q_OBJECT
public:
    GroupLetters(QWidget* form, FormServices& services);

    // Label_ChooseKyuu and Label_ChooseBu show the letters of currentGroup.
    void showGroupLetters();

private:
    QLabel* kyuu_;
    QLabel* bu_;
};
