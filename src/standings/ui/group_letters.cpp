#include "standings/ui/group_letters.h"

#include <QLabel>

#include "app/form_layout.h"
#include "form/form_colors.h"
#include "form/sjis_text.h"

GroupLetters::GroupLetters(QWidget* form, const LeagueModel& model) : QObject(form), m_(model) {
    const QRect area = form_layout::kTeamList;
    QFont big = form->font();
    big.setPixelSize(15);
    auto letter = [&](const char* name, int x) {
        auto* l = new QLabel(form);
        l->setObjectName(name);
        l->setGeometry(area.x() + x, area.y() + 2, 22, 22);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(big);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, form_colors::kWhite);
        l->setPalette(p);
        l->setAutoFillBackground(true);
        l->lower();  // beneath the overlay panels, like every area of the main screen
        return l;
    };
    kyuu_ = letter("Label_ChooseKyuu", 4);
    bu_ = letter("Label_ChooseBu", 30);
}

void GroupLetters::showGroupLetters() {
    const int slot = m_.currentGroup - 1;
    if (slot < 0 || slot >= kGroups) return;
    kyuu_->setText(fromSjis(std::string(1, m_.classLetter(slot))));
    bu_->setText(fromSjis(std::string(1, m_.divisionLetter(slot))));
}
