#pragma once
// The header line: "平成" year "年度", the term marks, "クラブ名" and the team counts.

#include <QObject>

#include "store/league_model.h"

class QWidget;
class QLabel;
class ClickLabel;
class FieldEdit;
class FramedShape;

class HeaderLine : public QObject {
    Q_OBJECT
public:
    HeaderLine(QWidget* form, LeagueModel& model);

    // Shows the model's year field, term marks, club name and counts.
    void refresh();
    // Colours the captions of the marks by today's half (once, at start-up).
    void colourCaptionsByToday();
    void showTermFrames();
    void showCounts();

    FieldEdit* yearEdit() const { return yearEdit_; }
    FieldEdit* userNameEdit() const { return userNameEdit_; }

private:
    LeagueModel& m_;
    FieldEdit* yearEdit_;
    FieldEdit* userNameEdit_;
    QLabel* gregorianYear_;
    ClickLabel* zenki_;
    ClickLabel* kouki_;
    FramedShape* yearFrame_;
    FramedShape* zenkiFrame_;
    FramedShape* koukiFrame_;
    FramedShape* userNameFrame_;
    QLabel* teamCount_;
    QLabel* suspendedCount_;
};
