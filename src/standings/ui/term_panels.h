#pragma once
// The two panels of choosing a term: the first-use panel (no term stored yet) that
// registers the first term, and the new-term panel that leads into the change-over.

#include <QObject>
#include <QPoint>
#include <vector>

#include "form/screen_area.h"
#include "standings/term_choice.h"

class QFrame;
class QLabel;
class QWidget;
class ClickLabel;
class ChoiceButtons;
class HiddenKeyBox;
class HeaderLine;

// Labels placed one after another on a line, each as wide as its text.
struct LabelLine {
    std::vector<QLabel*> labels;
    QPoint origin;
    void reflow();
};

class TermPanels : public QObject, public ScreenArea {
    Q_OBJECT
public:
    TermPanels(QWidget* form, FormServices& services, HeaderLine& header);

    void ShowFirstUsePanel();
    void ConfirmFirstTerm(bool ok);
    void ShowNewTermPanel();
    void AnswerNewTermPanel(bool ok);

    // The term the new-term panel offers (what the change-over will create).
    TermName offeredTerm() const { return offered_; }

    HiddenKeyBox* firstUseKeyBox() const { return firstUseKey_; }
    HiddenKeyBox* newTermKeyBox() const { return newTermKey_; }

private:
    void buildFirstUsePanel(QWidget* form);
    void buildNewTermPanel(QWidget* form);
    HiddenKeyBox* keyBox(QFrame* panel, const char* name, int code, ChoiceButtons* choices, const QString& help1);
    void openPanel(QFrame* panel, ChoiceButtons* choices, HiddenKeyBox* keyBox, int code);
    // Hides a panel and clears the guard before the focus moves on, so that the field that
    // takes it is not refused as if the panel were still open.
    void closePanel(QFrame* panel, HiddenKeyBox* keyBox);
    void Label_Panel_NotDataZenkiKoukiClick();

    HeaderLine& header_;
    QFrame* firstUse_ = nullptr;
    QFrame* newTerm_ = nullptr;
    HiddenKeyBox* firstUseKey_ = nullptr;
    HiddenKeyBox* newTermKey_ = nullptr;
    ChoiceButtons* firstUseChoices_ = nullptr;
    ChoiceButtons* newTermChoices_ = nullptr;
    QLabel* firstUseYear_ = nullptr;
    ClickLabel* firstUseHalf_ = nullptr;
    QLabel* newestYear_ = nullptr;
    QLabel* newestHalf_ = nullptr;
    QLabel* nextYear_ = nullptr;
    QLabel* nextHalf_ = nullptr;
    LabelLine firstUseLine_;  // "平成" year "年" half "から…"
    LabelLine newestLine_;
    LabelLine nextLine_;
    TermName offered_;
};
