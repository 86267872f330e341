#include "app/overlay_panels.h"

#include <QStringList>
#include <QWidget>

#include "form/form_colors.h"

namespace overlay_panels {
namespace {

struct PanelPlace {
    const char* name;
    QRect geometry;
};

// Where each panel sits when it is shown; the areas that own them may move them.
const PanelPlace kPanels[] = {
    {"Panel_Command", QRect(4, 36, 300, 300)},       {"Panel_OpenErr", QRect(292, 276, 420, 40)},
    {"Panel_Delete", QRect(300, 200, 400, 200)},     {"Panel_Kousin", QRect(2, 34, 996, 664)},
    {"Panel_ZipSearch", QRect(200, 120, 600, 460)},  {"Panel_MyZip", QRect(420, 90, 300, 400)},
    {"Panel_Syoricyuu", QRect(350, 300, 300, 80)},   {"Panel_NotData", QRect(250, 150, 500, 380)},
    {"Panel_NewData", QRect(250, 150, 500, 380)},    {"Panel_Kyuubu", QRect(250, 120, 500, 460)},
    {"Panel_NotDelete", QRect(292, 276, 420, 40)},   {"Panel_KousinSettei", QRect(200, 100, 600, 480)},
    {"Panel_LeagueTeamSuu", QRect(200, 100, 600, 480)},
};

}  // namespace

void createAll(QWidget* form) {
    for (const PanelPlace& p : kPanels) {
        auto* panel = new QFrame(form);
        panel->setObjectName(p.name);
        panel->setGeometry(p.geometry);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setAutoFillBackground(true);
        panel->hide();
    }
}

const QStringList& names() {
    static const QStringList all = [] {
        QStringList l;
        for (const PanelPlace& p : kPanels) l << p.name;
        return l;
    }();
    return all;
}

}  // namespace overlay_panels
