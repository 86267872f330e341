#pragma once
// The list of stored change-over rules (Panel_KousinSettei), opened over the change-over
// screen: eight rows over the list, the selected one framed red; ↑ ↓ move through it, F2
// deletes the selected rule after a confirmation, F9 closes the list.

#include <QObject>
#include <array>
#include <vector>

#include "form/screen_area.h"
#include "league/change_over_rules.h"
#include "store/list_pager.h"

class QFrame;
class QLabel;
class ChoiceButtons;
class HiddenKeyBox;
class KeyButton;
class RowFrame;

class RuleListPanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    static constexpr int kRows = 8;

    RuleListPanel(QWidget* form, FormServices& services);

    // Opens the list (only when a rule is stored), or closes it when it is open.
    void toggle();
    bool isOpen() const;
    QFrame* panel() const { return panel_; }

    void Edit_KousinSetteiCommandChooseEnter();
    void Edit_KousinSetteiCommandChooseKeyDown(int key);
    void Label_KousinSettei_F2Click();
    void Label_KousinSettei_F9Click();

signals:
    // The list closed; the change-over screen takes the focus back.
    void closed();

private:
    void showRows();
    void showIndex();
    void close();
    void askToDelete();
    void answerDelete(bool yes);
    bool confirming() const;

    QFrame* panel_;
    HiddenKeyBox* keyBox_;
    QLabel* index_;
    QLabel* count_;
    std::array<RowFrame*, kRows> frames_{};
    std::array<std::array<QLabel*, 7>, kRows> cells_{};  // target group, rank, unit; source's; kind
    std::array<std::vector<QLabel*>, kRows> words_;      // "の", "位", "を", …: blank past the last rule
    KeyButton* delete_;
    KeyButton* close_;
    QFrame* confirm_;
    QLabel* confirmText_;
    ChoiceButtons* confirmChoices_;
    std::vector<ChangeOverRule> rules_;
    ListPager pager_{kRows};
};
