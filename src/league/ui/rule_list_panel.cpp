#include "league/ui/rule_list_panel.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "form/choice_buttons.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/selection_frame.h"
#include "form/sjis_text.h"
#include "league/ui/change_over_texts.h"
#include "league/ui/key_button.h"
#include "store/text_ops.h"

using namespace form_colors;

// The frame of a row: white, framed red when selected.
class RowFrame : public Selectable<FramedShape> {
public:
    using Selectable::Selectable;
};

namespace {

constexpr int kWidth = 430, kHeight = 304;
constexpr int kRowsTop = 40, kRowPitch = 25, kRowHeight = 23;
constexpr int kButtonsTop = kRowsTop + RuleListPanel::kRows * kRowPitch + 8;

// A row reads "A1 の 10 位 を B2 の 1 位 に 更新規則として設定": seven values between fixed words.
enum Cell { UpGroup, UpRank, UpUnit, DownGroup, DownRank, DownUnit, Kind, Word = -1 };
struct RowPart {
    int cell;
    const char* text;  // the value's name suffix, or the fixed word
    int width;
    Qt::Alignment align;
};
const RowPart kRowParts[] = {
    {UpGroup, "UpLeagueCode", 52, Qt::AlignCenter},
    {Word, "の", 16, Qt::AlignCenter},
    {UpRank, "UpJun", 20, Qt::AlignRight},
    {UpUnit, "UpI", 16, Qt::AlignCenter},
    {Word, "を", 18, Qt::AlignCenter},
    {DownGroup, "DownLeagueCode", 52, Qt::AlignCenter},
    {Word, "の", 16, Qt::AlignCenter},
    {DownRank, "DownJun", 20, Qt::AlignRight},
    {DownUnit, "DownI", 16, Qt::AlignCenter},
    {Word, "に", 22, Qt::AlignCenter},
    {Kind, "Kind", 150, Qt::AlignLeft},
};

}  // namespace

RuleListPanel::RuleListPanel(QWidget* form, FormServices& services)
    : QObject(form),
      ScreenArea(services),
      panel_(makeOverlayPanel(form, "Panel_KousinSettei", QRect(144, 306, kWidth, kHeight))) {
    QFrame* p = panel_;
    setWidgetColours(p, QColor(), kPanelYellow);
    makeLabel(p, QStringLiteral("更新規則　一覧"), QRect(16, 10, 200, 22),
              LabelStyle{15, Qt::AlignLeft | Qt::AlignVCenter, QColor(), QColor(), true});
    index_ = makeLabel(p, QString(), QRect(kWidth - 130, 10, 40, 22), LabelStyle{14, Qt::AlignRight | Qt::AlignVCenter},
                       "Label_KousinSettei_rec");
    makeLabel(p, QStringLiteral("／"), QRect(kWidth - 88, 10, 16, 22), LabelStyle{14, Qt::AlignCenter});
    count_ = makeLabel(p, QString(), QRect(kWidth - 70, 10, 40, 22), LabelStyle{14}, "Label_KousinSettei_ds");

    for (int i = 0; i < kRows; ++i) {
        const int y = kRowsTop + i * kRowPitch;
        frames_[i] = new RowFrame(p, controlName("Shape_KousinSettei_", i + 1), QRect(10, y, kWidth - 20, kRowHeight),
                                  kSilver, kWhite);
        int x = 16;
        for (const RowPart& part : kRowParts) {
            const QString name = part.cell < 0 ? QString()
                                               : QStringLiteral("Label_KousinSettei_") + QString::fromUtf8(part.text) +
                                                     controlName("_", i + 1);
            QLabel* l = makeLabel(p, QString(), QRect(x, y + 1, part.width, kRowHeight - 2),
                                  LabelStyle{13, part.align | Qt::AlignVCenter}, name);
            if (part.cell >= 0)
                cells_[i][part.cell] = l;
            else
                words_[i].push_back(l);
            x += part.width;
        }
    }

    delete_ = new KeyButton(p, "Label_KousinSettei_F2", QStringLiteral("F2"), "Label_KousinSettei_F2_Delete",
                            QStringLiteral("削除"), QRect(60, kButtonsTop, 130, 30));
    close_ = new KeyButton(p, "Label_KousinSettei_F9", QStringLiteral("F9"), "Label_KousinSettei_F9_Close",
                           QStringLiteral("中止"), QRect(240, kButtonsTop, 130, 30));
    for (KeyButton* b : {delete_, close_}) b->setPressed(false);
    connect(delete_, &KeyButton::clicked, this, &RuleListPanel::Label_KousinSettei_F2Click);
    connect(close_, &KeyButton::clicked, this, &RuleListPanel::Label_KousinSettei_F9Click);

    // The confirmation stands where the buttons are, in the style of the program's other
    // confirmations: "F1" "する" and "F9" "しない", the second chosen at first.
    confirm_ = new QFrame(p);
    confirm_->setObjectName("Panel_KousinSetteiKakunin");
    confirm_->setGeometry(QRect(0, kButtonsTop - 6, kWidth, kHeight - kButtonsTop + 6));
    setWidgetColours(confirm_, QColor(), kPanelYellow);
    confirmText_ = makeLabel(confirm_, QString(), QRect(16, 2, kWidth - 32, 20), LabelStyle{13, Qt::AlignCenter, kRed},
                             "Label_KousinSettei_Kakunin");
    confirmChoices_ =
        new ChoiceButtons(confirm_, {{"Label_KousinSettei_Kakunin_F1", "F1", "Label_KousinSettei_Kakunin_F1_Msg",
                                      QStringLiteral("する"), QRect(60, 26, 130, 30)},
                                     {"Label_KousinSettei_Kakunin_F9", "F9", "Label_KousinSettei_Kakunin_F9_Msg",
                                      QStringLiteral("しない"), QRect(240, 26, 130, 30)}});
    connect(confirmChoices_, &ChoiceButtons::chosen, this, [this](int i) { answerDelete(i == 0); });
    confirm_->hide();

    keyBox_ = new HiddenKeyBox(p, "Edit_KousinSetteiCommandChoose");
    s_.focus.add(focus::RuleListKey, keyBox_);
    connect(keyBox_, &FieldEdit::entered, this, &RuleListPanel::Edit_KousinSetteiCommandChooseEnter);
    keyBox_->handKeysTo(this, &RuleListPanel::Edit_KousinSetteiCommandChooseKeyDown);
}

bool RuleListPanel::isOpen() const {
    return panel_->isVisible();
}

bool RuleListPanel::confirming() const {
    return confirm_->isVisible();
}

void RuleListPanel::toggle() {
    if (isOpen()) {
        close();
        return;
    }
    rules_ = readChangeOverRules(s_.dir);
    if (rules_.empty()) return;
    pager_ = ListPager(kRows, long(rules_.size()));
    confirm_->hide();
    st_.sidePanelOpen = 1;
    showRows();
    raisePanel(panel_);
    st_.focusCode = focus::RuleListKey;
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void RuleListPanel::close() {
    st_.sidePanelOpen = 0;
    confirm_->hide();
    if (keyBox_->hasFocus()) keyBox_->clearFocus();
    panel_->hide();
    emit closed();
}

void RuleListPanel::showRows() {
    for (int i = 0; i < kRows; ++i) {
        const bool shown = pager_.rowHasEntry(i);
        const ChangeOverRule r = shown ? rules_[std::size_t(pager_.top() + i)] : ChangeOverRule{};
        for (const bool draft : {true, false}) {
            const PlaceWords w = placeWords(m_, draft ? r.target : r.source, draft);
            const int at = draft ? UpGroup : DownGroup;
            cells_[i][at]->setText(shown ? w.group : QString());
            cells_[i][at + 1]->setText(shown ? QStringLiteral("%1").arg(w.number, 2) : QString());
            cells_[i][at + 2]->setText(shown ? w.unit : QString());
        }
        cells_[i][Kind]->setText(!shown             ? QString()
                                 : isLastingRule(r) ? QStringLiteral("更新規則として設定")
                                                    : QStringLiteral("一時規則として設定"));
        std::size_t w = 0;
        for (const RowPart& part : kRowParts)
            if (part.cell < 0) words_[i][w++]->setText(shown ? QString::fromUtf8(part.text) : QString());
        frames_[i]->setSelected(i == pager_.row());
    }
    showIndex();
}

void RuleListPanel::showIndex() {
    index_->setText(QString::number(pager_.chosenIndex() + 1));
    count_->setText(QString::number(rules_.size()));
}

void RuleListPanel::Edit_KousinSetteiCommandChooseEnter() {
    st_.focusCode = focus::RuleListKey;
    s_.help.setManualHint();
    s_.help.setHelp(QStringLiteral("↑↓キーで更新規則を選びます．[F2]キーで選んだ規則を削除します．"),
                    QStringLiteral("[F9]キーで一覧を閉じます．"));
}

void RuleListPanel::Edit_KousinSetteiCommandChooseKeyDown(int key) {
    if (confirming()) {
        if (key == Qt::Key_Escape)
            answerDelete(false);
        else
            confirmChoices_->handleKey(key);
        return;
    }
    switch (key) {
        case Qt::Key_Up:
            pager_.up();
            showRows();
            return;
        case Qt::Key_Down:
            pager_.down();
            showRows();
            return;
        case Qt::Key_F2:
            askToDelete();
            return;
        case Qt::Key_F9:
        case Qt::Key_Escape:
            close();
            return;
        default:
            return;
    }
}

void RuleListPanel::Label_KousinSettei_F2Click() {
    if (!confirming()) askToDelete();
}

void RuleListPanel::Label_KousinSettei_F9Click() {
    if (confirming())
        answerDelete(false);
    else
        close();
}

void RuleListPanel::askToDelete() {
    if (!pager_.rowHasEntry(pager_.row())) return;
    const ChangeOverRule r = rules_[std::size_t(pager_.chosenIndex())];
    confirmText_->setText(QStringLiteral("%1　の規則を削除しますか？").arg(ruleText(m_, r)));
    confirmChoices_->select(1);
    confirm_->raise();
    confirm_->show();
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void RuleListPanel::answerDelete(bool yes) {
    confirm_->hide();
    keyBox_->setFocus(Qt::OtherFocusReason);
    if (!yes) return;
    if (!doc_.deleteRule(int(pager_.chosenIndex()))) return;
    rules_ = readChangeOverRules(s_.dir);
    if (rules_.empty()) {
        close();
        return;
    }
    // The selection stays on the same row, or the rule that is now last.
    pager_.setCount(long(rules_.size()));
    showRows();
}
