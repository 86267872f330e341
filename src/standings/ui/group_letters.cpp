#include "standings/ui/group_letters.h"

#include <QLabel>

#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"

GroupLetters::GroupLetters(QWidget* form, FormServices& services) : QObject(form), ScreenArea(services) {
    const QRect area = form_layout::kTeamList;
    auto letter = [&](const char* name, int x) {
        QLabel* l = makeLabel(form, QString(), QRect(area.x() + x, area.y() + 2, 22, 22),
                              LabelStyle{15, Qt::AlignCenter, QColor(), form_colors::kWhite}, name);
        l->lower();  // beneath the overlay panels, like every area of the main screen
        return l;
    };
    kyuu_ = letter("Label_ChooseKyuu", 4);
    bu_ = letter("Label_ChooseBu", 30);
    connect(&doc_, &LeagueDocument::groupShown, this, &GroupLetters::showGroupLetters);
    connect(&doc_, &LeagueDocument::lettersChanged, this, [this](int slot) {
        if (slot == m_.currentGroup - 1) showGroupLetters();
    });
}

void GroupLetters::showGroupLetters() {
    const int slot = m_.currentGroup - 1;
    if (slot < 0 || slot >= kGroups) return;
    kyuu_->setText(fromSjis(std::string(1, m_.classLetter(slot))));
    bu_->setText(fromSjis(std::string(1, m_.divisionLetter(slot))));
}
