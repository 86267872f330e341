#include "league/ui/team_panel_support.h"

#include "form/form_services.h"

QString modeText(bool linked) {
    return linked ? QStringLiteral("★ ほかの 級・部 に連動します ★") : QStringLiteral("★ 同 休・部 内だけ影響します ★");
}

QString suspendedLimitMessage() {
    return QStringLiteral("■休会できるのは100チームまでです■");
}

void reportLineUp(FormServices& s, const LineUpResult& r) {
    switch (r.outcome) {
        case LineUpOutcome::ListFull:
            s.messages.showMessage(suspendedLimitMessage());
            break;
        case LineUpOutcome::GroupFull:
            s.messages.showMessage(QStringLiteral("■この級・部は10チームで満員です■"));
            break;
        case LineUpOutcome::NoGroupLeft:
            s.messages.showMessage(QStringLiteral("■20番目の級・部から先には送れません■"));
            break;
        case LineUpOutcome::NoRegisterRecord:
            s.messages.showMessage(QStringLiteral("■チーム情報の空きがありません■"));
            break;
        case LineUpOutcome::NotSaved:
            s.reportSave(r.saved);
            break;
        case LineUpOutcome::Done:
        case LineUpOutcome::NoTeam:
            break;
    }
}
