#include "league/ui/return_panel.h"

#include <QFrame>
#include <QLabel>

#include "form/click_label.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "league/suspension.h"
#include "league/ui/team_panel_support.h"
#include "store/calendar.h"
#include "store/record_layout.h"
#include "store/suspended_register.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {
const QPoint kAt(272, 36);
constexpr int kRowTop = 40, kRowPitch = 24, kRowLeft = 20, kRowWidth = 260;
constexpr int kButtonTop = kRowTop + ReturnPanel::kRows * kRowPitch + 12;

}  // namespace

ReturnPanel::ReturnPanel(QWidget* form, FormServices& services) : QObject(form), ScreenArea(services) {
    panel_ = makeOverlayPanel(form, "Panel_Kyuubu", QRect(kAt, QSize(300, kButtonTop + 96)));
    makeLabel(panel_, QStringLiteral("休会中････"), QRect(20, 10, 84, 22), LabelStyle{15});
    count_ = makeLabel(panel_, QString(), QRect(104, 10, 32, 22), LabelStyle{15, Qt::AlignRight | Qt::AlignVCenter},
                       "Label_KyuubuDs");
    makeLabel(panel_, QStringLiteral("チーム"), QRect(140, 10, 60, 22), LabelStyle{15});

    QFont f = panel_->font();
    f.setPixelSize(14);
    for (int i = 1; i <= kRows; ++i) {
        const QRect r(kRowLeft, kRowTop + kRowPitch * (i - 1), kRowWidth, kRowPitch - 2);
        frames_[i - 1] = new FramedShape(panel_, controlName("Shape_KyuubuName_", i), r, kSilver, kWhite);
        names_[i - 1] =
            makeLabel(panel_, QString(), r.adjusted(6, 1, -4, -1), LabelStyle{}, controlName("Label_KyuubuName_", i));
        names_[i - 1]->setFont(f);
    }
    buildButtons();
    mode_ = makeLabel(panel_, QString(), QRect(10, kButtonTop + 40, 280, 20), LabelStyle{13, Qt::AlignCenter, kBlue},
                      "Label_KyuubuRendou");
    // Which groups a return (F8) re-forms, so that a linked change never comes as a surprise.
    changes_ = makeLabel(panel_, QString(), QRect(10, kButtonTop + 62, 280, 20), LabelStyle{13, Qt::AlignCenter, kRed},
                         "Label_KyuubuKawaruBu");

    keyBox_ = new HiddenKeyBox(panel_, "Edit_KyuubuChoose");
    s_.focus.add(focus::SuspendedKey, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, &ReturnPanel::Edit_KyuubuChooseEnter);
    keyBox_->handKeysTo(this, &ReturnPanel::Edit_KyuubuChooseKeyDown);
}

void ReturnPanel::buildButtons() {
    struct Button {
        const char* name;
        const char* key;
        const char* caption;
        void (ReturnPanel::*handler)();
    };
    const Button buttons[] = {
        {"Label_Panel_Kyuubu_F6_Taikai", "F6", "退会", &ReturnPanel::Label_Panel_Kyuubu_F6_TaikaiClick},
        {"Label_Panel_Kyuubu_F8_Fukki", "F8", "復帰", &ReturnPanel::Label_Panel_Kyuubu_F8_FukkiClick},
        {"Label_Panel_Kyuubu_F9_Close", "F9", "閉じる", &ReturnPanel::Label_Panel_Kyuubu_F9_CloseClick},
    };
    QFont f = panel_->font();
    f.setPixelSize(14);
    int x = kRowLeft;
    for (const Button& b : buttons) {
        const QRect r(x, kButtonTop, 82, 28);
        new FramedShape(panel_, QString("Shape_") + b.name, r, kGray, kSilver);
        auto* key = new ClickLabel(panel_, b.name, QString::fromUtf8(b.key), QRect(r.x() + 2, r.y() + 2, 26, 24));
        auto* caption = new ClickLabel(panel_, QString(b.name) + "_Msg", QString::fromUtf8(b.caption),
                                       QRect(r.x() + 30, r.y() + 2, r.width() - 32, 24));
        key->setAlignment(Qt::AlignCenter);
        for (ClickLabel* l : {key, caption}) {
            l->setFont(f);
            l->setCursor(Qt::PointingHandCursor);
            connect(l, &ClickLabel::clicked, this, b.handler);
        }
        x += 89;
    }
}

bool ReturnPanel::isOpen() const {
    return panel_->isVisible();
}

void ReturnPanel::open(int n) {
    if (isOpen() || n < 1 || n > kTeamsPerGroup) return;
    st_.panelOpen = 1;
    row_ = n;
    panel_->move(kAt);
    mode_->setText(modeText(m_.allTeamsLinked != 0));
    changes_->setText(changedGroupsText(m_, groupsChangedByReturn(s_.dir, lineUpRequest(s_, n))));
    pager_ = ListPager(kRows, m_.suspendedCount);
    showRows();
    raisePanel(panel_);
    emit s_.commands.markTeamRow(n, true);
    keyBox_->setFocus();
}

void ReturnPanel::showRows() {
    count_->setText(QString::number(m_.suspendedCount));
    for (int i = 0; i < kRows; ++i) {
        const int k = int(pager_.top()) + i;
        QString name;
        if (pager_.rowHasEntry(i)) {
            const std::string record = readSuspended(s_.dir, k + 1);
            name = fromSjis(trimField(std::string_view(record).substr(
                layouts::offset(layouts::Suspended, team_field::TeamName), kTeamNameWidth)));
        }
        names_[i]->setText(name);
        frames_[i]->setPenColor(i == pager_.row() ? kRed : kSilver);
    }
}

int ReturnPanel::selectedEntry() const {
    return pager_.rowHasEntry(pager_.row()) ? int(pager_.chosenIndex()) : -1;
}

void ReturnPanel::Edit_KyuubuChooseEnter() {
    st_.focusCode = focus::SuspendedKey;
}

void ReturnPanel::Edit_KyuubuChooseKeyDown(int key) {
    keyBox_->setKeyHandled();
    switch (key) {
        case Qt::Key_Up:
            pager_.up();
            showRows();
            break;
        case Qt::Key_Down:
            pager_.down();
            showRows();
            break;
        case Qt::Key_F6:
            Label_Panel_Kyuubu_F6_TaikaiClick();
            break;
        case Qt::Key_F8:
            Label_Panel_Kyuubu_F8_FukkiClick();
            break;
        case Qt::Key_F9:
        case Qt::Key_Escape:
            close();
            break;
        default:
            break;
    }
}

void ReturnPanel::Label_Panel_Kyuubu_F6_TaikaiClick() {
    const int k = selectedEntry();
    if (!isOpen() || k < 0) return;
    const LineUpResult r = doc_.withdrawSuspended(k);
    close();
    tellRefusal(s_, r);
}

void ReturnPanel::Label_Panel_Kyuubu_F8_FukkiClick() {
    const int k = selectedEntry();
    if (!isOpen() || k < 0) return;
    const LineUpResult r = doc_.returnTeam(lineUpRequest(s_, row_), k);
    close();
    tellRefusal(s_, r);
}

void ReturnPanel::Label_Panel_Kyuubu_F9_CloseClick() {
    close();
}

void ReturnPanel::close() {
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
