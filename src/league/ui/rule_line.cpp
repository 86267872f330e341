#include "league/ui/rule_line.h"

#include <QLabel>

#include "form/click_label.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/label_factory.h"
#include "league/ui/key_button.h"

using namespace form_colors;

namespace {

constexpr int kHeight = 24;
constexpr int kTextSize = 13;

QString rankText(int rank) {
    return QStringLiteral("%1").arg(rank, 2);
}

}  // namespace

RuleLine::RuleLine(QWidget* panel, int top) : QObject(panel) {
    int x = 8;
    auto text = [&](const QString& t, int width, const QString& name = QString(), const LabelStyle& style = {}) {
        LabelStyle s = style;
        if (s.pixelSize == 0) s.pixelSize = kTextSize;
        QLabel* l = makeLabel(panel, t, QRect(x, top, width, kHeight), s, name);
        x += width + 2;
        return l;
    };
    const LabelStyle value{kTextSize, Qt::AlignCenter, kBlack, kWhite};
    const LabelStyle number{kTextSize, Qt::AlignRight | Qt::AlignVCenter, kBlack, kWhite};
    const LabelStyle teamName{kTextSize, Qt::AlignLeft | Qt::AlignVCenter, kBlack, kWhite};

    text(QStringLiteral("更新規則"), 62, "Label_KousinKisoku",
         LabelStyle{kTextSize, Qt::AlignCenter, kWhite, fromFormColor(8421376), true});  // teal
    text(QStringLiteral("次節案"), 44);
    draftGroup_ = text(QString(), 56, "Label_KousinPreBu", value);
    text(QStringLiteral("の"), 14);
    draftRank_ = text(QString(), 20, "Label_KousinPreJun", number);
    draftUnit_ = text(QStringLiteral("位"), 14, "Label_KousinPreI");
    text(QStringLiteral("の"), 14);
    draftTeam_ = text(QString(), 140, "Label_KousinPreName", teamName);
    draftTeam_->setIndent(3);
    text(QStringLiteral("を"), 16);
    text(QStringLiteral("修正後次節"), 66);
    revisedGroup_ = text(QString(), 56, "Label_KousinNextBu", value);
    text(QStringLiteral("の"), 14);
    revisedRank_ = text(QString(), 20, "Label_KousinNextJun", number);
    revisedUnit_ = text(QStringLiteral("位"), 14, "Label_KousinNextI");
    text(QStringLiteral("に"), 16);

    change_ = new KeyButton(panel, "Label_KousinExec", QStringLiteral("変更する"), QString(), QString(),
                            QRect(x + 2, top - 1, 70, kHeight + 2), 0);
    x += 76;
    previous_ = new KeyButton(panel, "Label_BeforeKimari", QStringLiteral("PageUp"), "Label_BeforeKimariMsg",
                              QStringLiteral("前の規則"), QRect(x, top - 1, 108, kHeight + 2), 48);
    x += 112;
    next_ = new KeyButton(panel, "Label_AfterKimari", QStringLiteral("PageDown"), "Label_AfterKimariMsg",
                          QStringLiteral("次の規則"), QRect(x, top - 1, 128, kHeight + 2), 68);
    x += 134;
    for (KeyButton* b : {change_, previous_, next_}) b->showPresses();

    // The rule list opens from a small two-line box.
    new FramedShape(panel, "Shape_KousinClearMsg", QRect(x, top - 6, 58, kHeight + 12), kGray, kWhite);
    auto* list1 =
        new ClickLabel(panel, "Label_KousinClearMsg_1", QStringLiteral("更新規則"), QRect(x + 2, top - 5, 54, 16));
    auto* list2 =
        new ClickLabel(panel, "Label_KousinClearMsg_2", QStringLiteral("一　覧"), QRect(x + 2, top + 11, 54, 16));
    for (ClickLabel* l : {list1, list2}) {
        QFont f = l->font();
        f.setPixelSize(12);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(Qt::PointingHandCursor);
        connect(l, &ClickLabel::clicked, this, &RuleLine::ruleListClicked);
    }

    connect(change_, &KeyButton::clicked, this, &RuleLine::changeClicked);
    connect(previous_, &KeyButton::clicked, this, &RuleLine::previousClicked);
    connect(next_, &KeyButton::clicked, this, &RuleLine::nextClicked);
}

void RuleLine::showDraft(const QString& group, int rank, bool row, const QString& team) {
    draftGroup_->setText(group);
    draftRank_->setText(rankText(rank));
    draftUnit_->setText(row ? QStringLiteral("行") : QStringLiteral("位"));
    draftTeam_->setText(team);
}

void RuleLine::showRevised(const QString& group, int rank, bool row) {
    revisedGroup_->setText(group);
    revisedRank_->setText(rankText(rank));
    revisedUnit_->setText(row ? QStringLiteral("行") : QStringLiteral("位"));
}
