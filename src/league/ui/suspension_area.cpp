#include "league/ui/suspension_area.h"

#include <QCheckBox>
#include <QEvent>

#include "league/ui/delete_panel.h"
#include "league/ui/return_panel.h"

SuspensionArea::SuspensionArea(QWidget* form, FormServices& services) : QObject(form), ScreenArea(services) {
    allTeam_ = new QCheckBox(QStringLiteral("連動して全チーム更新"), form);
    allTeam_->setObjectName("CheckBox_AllTeam");
    allTeam_->setGeometry(6, 606, 124, 18);
    QFont f = allTeam_->font();
    f.setPixelSize(11);
    allTeam_->setFont(f);
    // A click changes the mode and leaves the focus where the typing goes on.
    allTeam_->setFocusPolicy(Qt::NoFocus);
    allTeam_->setChecked(m_.allTeamsLinked != 0);
    allTeam_->installEventFilter(this);
    connect(allTeam_, &QCheckBox::clicked, this, &SuspensionArea::CheckBox_AllTeamClick);

    deletePanel_ = new DeletePanel(form, services);
    returnPanel_ = new ReturnPanel(form, services);
    connect(&s_.commands, &FormCommands::openWithdrawal, this, &SuspensionArea::openWithdrawal);
    connect(&s_.commands, &FormCommands::openSuspension, this, &SuspensionArea::openSuspension);
    connect(&s_.commands, &FormCommands::openReturn, this, &SuspensionArea::openReturn);
}

void SuspensionArea::openWithdrawal(int n) {
    deletePanel_->open(n, Leaving::Withdrawal);
}

void SuspensionArea::openSuspension(int n) {
    deletePanel_->open(n, Leaving::Suspension);
}

void SuspensionArea::openReturn(int n) {
    if (m_.suspendedCount > 0) returnPanel_->open(n);
}

void SuspensionArea::CheckBox_AllTeamClick() {
    doc_.setAllTeamsLinked(allTeam_->isChecked());
}

bool SuspensionArea::eventFilter(QObject* watched, QEvent* e) {
    // An open panel has shown which mode it acts in; the mode does not change under it.
    if (watched == allTeam_ && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) &&
        st_.anyPanelOpen()) {
        s_.messages.showPanelOpenMessage();
        return true;
    }
    return QObject::eventFilter(watched, e);
}
