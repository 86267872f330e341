#include "league/ui/team_counts_panel.h"

#include <QFrame>

#include "form/click_label.h"
#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "league/change_over_lineup.h"
#include "league/group_names.h"
#include "league/ui/key_button.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {

constexpr int kWidth = 330, kHeight = 326;
constexpr int kRowsTop = 40, kRowPitch = 23, kColumnPitch = 160;
constexpr int kButtonsTop = kRowsTop + 10 * kRowPitch + 12;

int wrapped(int n) {
    return (n + kGroups - 1) % kGroups + 1;
}

QString countText(long v) {
    return v == 0 ? QString() : QString::fromStdString(formatNumber(v, 2));
}

}  // namespace

TeamCountsPanel::TeamCountsPanel(QWidget* form, FormServices& services)
    : QObject(form),
      ScreenArea(services),
      panel_(makeOverlayPanel(form, "Panel_LeagueTeamSuu", QRect(252, 300, kWidth, kHeight))) {
    QFrame* p = panel_;
    setWidgetColours(p, QColor(), kPanelYellow);
    makeLabel(p, QStringLiteral("所属チーム数の変更"), QRect(16, 10, 240, 22),
              LabelStyle{15, Qt::AlignLeft | Qt::AlignVCenter, QColor(), QColor(), true});
    QFont f = p->font();
    f.setPixelSize(14);
    for (int n = 1; n <= kGroups; ++n) {
        const int x = 24 + ((n - 1) / 10) * kColumnPitch;
        const int y = kRowsTop + ((n - 1) % 10) * kRowPitch;
        auto* letters =
            new ClickLabel(p, controlName("Label_Panel_LeagueTeamSuu_Kyuubu_", n), QString(), QRect(x, y, 34, 21));
        letters->setFont(f);
        letters->setAlignment(Qt::AlignCenter);
        letters->setBackgroundColor(kWhite);
        letters_[n - 1] = letters;
        frames_[n - 1] = new FramedShape(p, controlName("Shape_Panel_LeagueTeamSuu_Kyuubu_", n),
                                         QRect(x + 40, y - 1, 34, 23), kSilver, kWhite);
        auto* box =
            new FieldEdit(p, controlName("Edit_Panel_LeagueTeamSuu_Kyuubu_", n), QRect(x + 42, y + 1, 30, 19), 2);
        box->setFont(f);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        boxes_[n - 1] = box;
        makeLabel(p, QStringLiteral("チーム"), QRect(x + 78, y, 50, 21), LabelStyle{13});
        s_.focus.add(focus::nth(focus::FirstTeamsPerGroup, n), box);
        connect(letters, &ClickLabel::clicked, this, [this, n] { Label_Panel_LeagueTeamSuu_KyuubuClick(n); });
        connect(box, &FieldEdit::entered, this, [this, n] { Edit_Panel_LeagueTeamSuu_KyuubuEnter(n); });
        connect(box, &FieldEdit::exited, this, [this, n] { Edit_Panel_LeagueTeamSuu_KyuubuExit(n); });
        connect(box, &FieldEdit::keyDown, this,
                [this, n](int key, Qt::KeyboardModifiers) { Edit_Panel_LeagueTeamSuu_KyuubuKeyDown(n, key); });
    }
    apply_ = new KeyButton(p, "Label_Panel_LeagueTeamSuu_F2", QStringLiteral("F2"), "Label_Panel_LeagueTeamSuu_F2_Msg",
                           QStringLiteral("変更"), QRect(40, kButtonsTop, 110, 30));
    cancel_ = new KeyButton(p, "Label_Panel_LeagueTeamSuu_F9", QStringLiteral("F9"), "Label_Panel_LeagueTeamSuu_F9_Msg",
                            QStringLiteral("中止"), QRect(180, kButtonsTop, 110, 30));
    for (KeyButton* b : {apply_, cancel_}) b->setPressed(false);
    connect(apply_, &KeyButton::clicked, this, &TeamCountsPanel::Label_Panel_LeagueTeamSuu_F2Click);
    connect(cancel_, &KeyButton::clicked, this, &TeamCountsPanel::Label_Panel_LeagueTeamSuu_F9Click);
}

bool TeamCountsPanel::isOpen() const {
    return panel_->isVisible();
}

void TeamCountsPanel::toggle() {
    if (isOpen()) {
        close();
        return;
    }
    st_.sidePanelOpen = 1;
    returnFocus_ = st_.focusCode;
    for (int g = 0; g < kGroups; ++g) {
        letters_[g]->setText(fromSjis(m_.groupLetters(g)));
        boxes_[g]->setText(countText(m_.resultTeams[g]));
    }
    raisePanel(panel_);
    st_.focusCode = focus::FirstTeamsPerGroup;
    boxes_[0]->setFocus(Qt::OtherFocusReason);
}

void TeamCountsPanel::close() {
    st_.sidePanelOpen = 0;
    for (FieldEdit* b : boxes_)
        if (b->hasFocus()) b->clearFocus();
    panel_->hide();
    st_.focusCode = returnFocus_;
    s_.focus.restoreFocus();
}

void TeamCountsPanel::normalise(int n) {
    FieldEdit* box = boxes_[n - 1];
    const QString text = countText(parseLong(box->text().toStdString()));
    if (box->text() != text) box->setText(text);
}

void TeamCountsPanel::Label_Panel_LeagueTeamSuu_KyuubuClick(int n) {
    if (!boxes_[n - 1]->hasFocus()) boxes_[n - 1]->setFocus(Qt::MouseFocusReason);
}

void TeamCountsPanel::Edit_Panel_LeagueTeamSuu_KyuubuEnter(int n) {
    st_.focusCode = focus::nth(focus::FirstTeamsPerGroup, n);
    frames_[n - 1]->setPenColor(kRed);
    s_.help.setManualHint();
    boxes_[n - 1]->setText(boxes_[n - 1]->text().trimmed());
    boxes_[n - 1]->selectAll();
    s_.help.setHelp(QStringLiteral("所属するチーム数を変更できます"), QString());
}

void TeamCountsPanel::Edit_Panel_LeagueTeamSuu_KyuubuExit(int n) {
    frames_[n - 1]->setPenColor(kSilver);
    normalise(n);
}

void TeamCountsPanel::Edit_Panel_LeagueTeamSuu_KyuubuKeyDown(int n, int key) {
    FieldEdit* box = boxes_[n - 1];
    switch (key) {
        case Qt::Key_Home:
        case Qt::Key_Up:
            box->setKeyHandled();
            focusField(focus::nth(focus::FirstTeamsPerGroup, wrapped(n - 1)));
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            box->setKeyHandled();
            normalise(n);
            focusField(focus::nth(focus::FirstTeamsPerGroup, wrapped(n + 1)));
            return;
        case Qt::Key_F2:
            box->setKeyHandled();
            apply();
            return;
        case Qt::Key_F9:
        case Qt::Key_Escape:
            box->setKeyHandled();
            close();
            return;
        default:
            return;
    }
}

void TeamCountsPanel::Label_Panel_LeagueTeamSuu_F2Click() {
    apply();
}

void TeamCountsPanel::Label_Panel_LeagueTeamSuu_F9Click() {
    close();
}

void TeamCountsPanel::apply() {
    std::array<int, kGroups> counts{};
    for (int g = 0; g < kGroups; ++g) counts[g] = int(parseLong(boxes_[g]->text().toStdString()));
    const CountsChange c = doc_.setTeamsPerGroup(counts);
    if (c.kind == CountsChange::OutOfRange) {
        st_.focusCode = focus::nth(focus::FirstTeamsPerGroup, c.group + 1);
        s_.messages.showMessage(
            QStringLiteral("■%1 の所属チーム数は 0～10 で入力してください■").arg(fromSjis(groupLabel(m_, c.group))));
        return;
    }
    if (c.kind == CountsChange::TooFew) {
        s_.messages.showMessage(
            QStringLiteral("■所属チーム数の合計が次節のチーム数（%1チーム）より少ないため変更できません■")
                .arg(c.entries));
        return;
    }
    close();
}
