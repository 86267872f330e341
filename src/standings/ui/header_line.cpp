#include "standings/ui/header_line.h"

#include <QLabel>

#include "form/click_label.h"
#include "form/field_edit.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/sjis_text.h"
#include "store/calendar.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {
constexpr int kTop = 8;
constexpr int kHeight = 22;

QLabel* caption(QWidget* parent, const QString& text, int x, int width) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, kTop, width, kHeight);
    l->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return l;
}
}  // namespace

HeaderLine::HeaderLine(QWidget* form, LeagueModel& model) : QObject(form), m_(model) {
    QFont big = form->font();
    big.setPixelSize(15);

    caption(form, QStringLiteral("平成"), 10, 32)->setFont(big);
    yearFrame_ = new FramedShape(form, "Shape_Year", QRect(42, kTop - 2, 30, kHeight + 4), kSilver, kWhite);
    yearEdit_ = new FieldEdit(form, "Edit_Year", QRect(45, kTop, 24, kHeight), 2);
    yearEdit_->setFont(big);
    yearEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    yearEdit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    caption(form, QStringLiteral("年度"), 76, 32)->setFont(big);
    gregorianYear_ = caption(form, QString(), 108, 40);
    gregorianYear_->setObjectName("Label_GregorianYear");
    QFont small = form->font();
    small.setPixelSize(11);
    gregorianYear_->setFont(small);
    QPalette gp = gregorianYear_->palette();
    gp.setColor(QPalette::WindowText, kGray);
    gregorianYear_->setPalette(gp);

    zenkiFrame_ = new FramedShape(form, "Shape_Zenki", QRect(150, kTop - 2, 44, kHeight + 4), kSilver, kWhite);
    zenki_ = new ClickLabel(form, "Label_Zenki", QStringLiteral("前期"), QRect(152, kTop, 40, kHeight));
    koukiFrame_ = new FramedShape(form, "Shape_Kouki", QRect(198, kTop - 2, 44, kHeight + 4), kSilver, kWhite);
    kouki_ = new ClickLabel(form, "Label_Kouki", QStringLiteral("後期"), QRect(200, kTop, 40, kHeight));
    for (ClickLabel* l : {zenki_, kouki_}) {
        l->setFont(big);
        l->setAlignment(Qt::AlignCenter);
    }

    caption(form, QStringLiteral("クラブ名"), 262, 60)->setFont(big);
    userNameFrame_ = new FramedShape(form, "Shape_UserName", QRect(326, kTop - 2, 300, kHeight + 4), kSilver, kWhite);
    userNameEdit_ = new FieldEdit(form, "Edit_UserName", QRect(329, kTop, 294, kHeight), kUserNameWidth);
    userNameEdit_->setFont(big);

    caption(form, QStringLiteral("全"), 650, 16)->setFont(big);
    teamCount_ = caption(form, QString(), 666, 30);
    teamCount_->setObjectName("Label_TeamDs");
    caption(form, QStringLiteral("チーム　休会"), 698, 96)->setFont(big);
    suspendedCount_ = caption(form, QString(), 794, 30);
    suspendedCount_->setObjectName("Label_KyuusiDs");
    caption(form, QStringLiteral("チーム"), 826, 50)->setFont(big);
    for (QLabel* l : {teamCount_, suspendedCount_}) {
        l->setFont(big);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void HeaderLine::refresh() {
    yearEdit_->setText(QString::fromStdString(m_.yearFieldText));
    int year = int(parseLong(m_.yearFieldText));
    gregorianYear_->setText(year > 0 ? QStringLiteral("(%1)").arg(gregorianYear(year)) : QString());
    userNameEdit_->setText(fromSjis(trimField(m_.userName)));
    showTermFrames();
    showCounts();
}

void HeaderLine::colourCaptionsByToday() {
    zenki_->setTextColor(m_.todayHalf == 0 ? kBlack : kGray);
    kouki_->setTextColor(m_.todayHalf == 1 ? kBlack : kGray);
}

void HeaderLine::showTermFrames() {
    zenkiFrame_->setPenColor(m_.termHalf == 0 ? kRed : kSilver);
    koukiFrame_->setPenColor(m_.termHalf == 1 ? kRed : kSilver);
}

void HeaderLine::showCounts() {
    teamCount_->setText(QString::number(m_.termTeamCount));
    suspendedCount_->setText(QString::number(m_.suspendedCount));
}
