#pragma once
// The header line: "平成" year "年度", the term marks, "クラブ名" and the team counts.
// Confirming a year shows that term, or opens the first-use or new-term panel.

#include <QObject>

#include "form/screen_area.h"

class QWidget;
class QLabel;
class ClickLabel;
class FieldEdit;
class FramedShape;
class TermPanels;

class HeaderLine : public QObject, public ScreenArea {
    Q_OBJECT
public:
    HeaderLine(QWidget* form, FormServices& services);

    // Shows the model's year field, term marks, club name and counts.
    void refresh();
    // The year field and the term marks name the shown term.
    void showShownTerm();
    // Colours the captions of the marks by today's half (once, at start-up).
    void colourCaptionsByToday();
    void showTermFrames();
    void showCounts();
    // Stores the club name if its field holds an unconfirmed edit (before closing).
    void confirmUserNameIfEdited();

    FieldEdit* yearEdit() const { return yearEdit_; }
    FieldEdit* userNameEdit() const { return userNameEdit_; }
    TermPanels* termPanels() const { return panels_; }

    void Label_ZenkiClick();
    void Label_KoukiClick();
    void Edit_YearEnter();
    void Edit_YearExit();
    void Edit_YearKeyDown(int key);
    void Edit_UserNameEnter();
    void Edit_UserNameExit();
    void Edit_UserNameKeyDown(int key);

private:
    void chooseHalf(int half);
    void confirmYear(bool byKey);
    void confirmUserName();
    void showGregorianYear();

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
    TermPanels* panels_ = nullptr;
    bool yearConfirmedByKey_ = false;
    bool userNameEntered_ = false;
};
