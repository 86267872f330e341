#include "league/ui/leave_question.h"

#include <QFrame>

#include "form/choice_buttons.h"
#include "form/form_colors.h"
#include "form/label_factory.h"

namespace {
constexpr int kLeave = 0, kStay = 1;
}  // namespace

LeaveQuestion::LeaveQuestion(QFrame* panel) : QObject(panel), panel_(panel) {
    const int width = panel->width();
    const char* const lines[] = {
        "休止予定への移動・休止中からの復帰・所属チーム数の変更など、",
        "更新規則にならない変更は、中止すると取り消されます。",
        "「変更する」で保存した更新規則はそのまま残ります。",
    };
    int y = 12;
    for (int i = 0; i < 3; ++i, y += 22)
        makeLabel(panel, QString::fromUtf8(lines[i]), QRect(10, y, width - 20, 20), LabelStyle{13, Qt::AlignCenter},
                  QStringLiteral("Label_KousinChuusiMsg_%1").arg(i + 1));
    makeLabel(panel, QStringLiteral("チームの入れ替えを中止しますか？"), QRect(10, y + 6, width - 20, 24),
              LabelStyle{15, Qt::AlignCenter, form_colors::kRed, QColor(), true}, "Label_KousinChuusi");
    const int buttonsTop = y + 42, buttonWidth = 120, gap = 40;
    const int left = (width - 2 * buttonWidth - gap) / 2;
    choices_ =
        new ChoiceButtons(panel, {{"Label_KousinChuusi_F1", "F1", "Label_KousinChuusi_F1_Msg", QStringLiteral("はい"),
                                   QRect(left, buttonsTop, buttonWidth, 30)},
                                  {"Label_KousinChuusi_F9", "F9", "Label_KousinChuusi_F9_Msg", QStringLiteral("いいえ"),
                                   QRect(left + buttonWidth + gap, buttonsTop, buttonWidth, 30)}});
    choices_->setDimmedTextColor(form_colors::kGray);
    connect(choices_, &ChoiceButtons::chosen, this, [this](int i) {
        close();
        emit answered(i == kLeave);
    });
}

void LeaveQuestion::open() {
    choices_->select(kStay);
    panel_->raise();
    panel_->show();
}

void LeaveQuestion::close() {
    panel_->hide();
}

bool LeaveQuestion::isOpen() const {
    return panel_->isVisible();
}

void LeaveQuestion::handleKey(int key) {
    if (key == Qt::Key_Escape) {
        close();
        emit answered(false);
        return;
    }
    choices_->handleKey(key);
}
