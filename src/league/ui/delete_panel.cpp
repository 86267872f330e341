#include "league/ui/delete_panel.h"

#include <QFrame>
#include <QLabel>

#include "form/choice_buttons.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "league/ui/team_panel_support.h"
#include "store/calendar.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/suspended_register.h"
#include "store/text_ops.h"

namespace {
constexpr int kPerform = 0, kCancel = 1;
const QPoint kAt(422, 248);
}  // namespace

DeletePanel::DeletePanel(QWidget* form, FormServices& services) : QObject(form), ScreenArea(services) {
    panel_ = makeOverlayPanel(form, "Panel_Delete", QRect(kAt, QSize(330, 196)));
    mode_ = makeLabel(panel_, QString(), QRect(10, 10, 310, 20), LabelStyle{13, Qt::AlignCenter, form_colors::kBlue},
                      "Label_Rendou");
    teamName_ = makeLabel(panel_, QString(), QRect(10, 40, 310, 26),
                          LabelStyle{18, Qt::AlignCenter, form_colors::kBlack, QColor(), true}, "Label_DeleteTeamName");
    question_ =
        makeLabel(panel_, QString(), QRect(10, 70, 310, 22), LabelStyle{15, Qt::AlignCenter}, "Label_TaikaiOrKyuubu");
    // Which groups the change re-forms, so that a linked change never comes as a surprise.
    changes_ = makeLabel(panel_, QString(), QRect(10, 98, 310, 20), LabelStyle{13, Qt::AlignCenter, form_colors::kRed},
                         "Label_KawaruBu");
    choices_ = new ChoiceButtons(panel_, {{"Label_PanelDelete_F1", "F1", "Label_PanelDelete_F1_Msg",
                                           QStringLiteral("する"), QRect(40, 138, 110, 30)},
                                          {"Label_PanelDelete_F9", "F9", "Label_PanelDelete_F9_Msg",
                                           QStringLiteral("しない"), QRect(180, 138, 110, 30)}});
    choices_->setDimmedTextColor(form_colors::kGray);
    connect(choices_, &ChoiceButtons::chosen, this, &DeletePanel::Label_PanelDeleteClick);

    keyBox_ = new HiddenKeyBox(panel_, "Edit_Panel_DeleteCommandChoose");
    s_.focus.add(focus::DeleteKey, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, &DeletePanel::Edit_Panel_DeleteCommandChooseEnter);
    keyBox_->handKeysTo(this, &DeletePanel::Edit_Panel_DeleteCommandChooseKeyDown);
}

bool DeletePanel::isOpen() const {
    return panel_->isVisible();
}

void DeletePanel::open(int n, Leaving how) {
    if (isOpen() || n < 1 || n > kTeamsPerGroup) return;
    st_.panelOpen = 1;
    row_ = n;
    pending_ = how;
    panel_->move(kAt);
    mode_->setText(modeText(m_.allTeamsLinked != 0));
    question_->setText(how == Leaving::Suspension ? QStringLiteral("の 休部 を実行しますか？")
                                                  : QStringLiteral("の 退会 を実行しますか？"));
    changes_->setText(changedGroupsText(m_, groupsChangedByRemoval(s_.dir, lineUpRequest(s_, n))));
    choices_->select(kCancel);
    raisePanel(panel_);
    emit s_.commands.markTeamRow(n, true);
    keyBox_->setFocus();
    // The name as stored once the team list has written what was typed into the row.
    const std::string record = readResultRecord(s_.dir, m_.termSlotIndex, positionNumber(m_.currentGroup - 1, n - 1));
    teamName_->setText(fromSjis(trimField(record.substr(0, kTeamNameWidth))));
}

void DeletePanel::Edit_Panel_DeleteCommandChooseEnter() {
    st_.focusCode = focus::DeleteKey;
    if (row_ != 0) emit s_.commands.markTeamRow(row_, true);
}

void DeletePanel::Edit_Panel_DeleteCommandChooseKeyDown(int key) {
    keyBox_->setKeyHandled();
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            choices_->select(choices_->selected() == kPerform ? kCancel : kPerform);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Label_PanelDeleteClick(choices_->selected());
            break;
        case Qt::Key_Escape:
        case Qt::Key_F9:
            close();
            break;
        default:
            break;
    }
}

void DeletePanel::Label_PanelDeleteClick(int index) {
    if (!isOpen()) return;
    if (index == kPerform)
        perform();
    else
        close();
}

void DeletePanel::perform() {
    const LineUpResult r = doc_.removeTeam(lineUpRequest(s_, row_), pending_);
    pending_ = Leaving::Withdrawal;
    close();
    tellRefusal(s_, r);
}

void DeletePanel::close() {
    if (!isOpen()) return;
    st_.panelOpen = 0;
    s_.messages.cancelPanelOpenMessage();
    if (keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
    emit s_.commands.markTeamRow(row_, false);
    row_ = 0;
    st_.focusCode = focus::teamName(rowOfPosition(m_.currentRecordNo) + 1);
    s_.focus.restoreFocus();
}
