#include "league/ui/team_panel_support.h"

#include "form/form_services.h"
#include "form/sjis_text.h"
#include "league/group_names.h"

namespace {

QString groupName(const LeagueModel& m, int slot) {
    return fromSjis(groupLabel(m, slot));
}

}  // namespace

LineUpRequest lineUpRequest(const FormServices& s, int n) {
    const LeagueModel& m = s.model;
    return {m.termSlotIndex, m.currentGroup - 1, n - 1, m.allTeamsLinked != 0, s.state.ranksKeptByHand};
}

QString modeText(bool linked) {
    return linked ? QStringLiteral("★ ほかの 級・部 に連動します ★") : QStringLiteral("★ 同 休・部 内だけ影響します ★");
}

QString suspendedLimitMessage() {
    return QStringLiteral("■休会できるのは100チームまでです■");
}

QString changedGroupsText(const LeagueModel& m, const std::vector<int>& groupSlots) {
    if (groupSlots.empty()) return QString();
    if (groupSlots.size() == 1)
        return QStringLiteral("%1 の 1 部だけが変わります").arg(groupName(m, groupSlots.front()));
    return QStringLiteral("%1〜%2 の %3 部が変わります")
        .arg(groupName(m, groupSlots.front()), groupName(m, groupSlots.back()))
        .arg(groupSlots.size());
}

void tellRefusal(FormServices& s, const LineUpResult& r) {
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
        case LineUpOutcome::BackupFailed:
            s.messages.showMessage(QStringLiteral("■バックアップを作成できないため実行しませんでした■"));
            break;
        case LineUpOutcome::NotSaved:
        case LineUpOutcome::Done:
        case LineUpOutcome::NoTeam:
            break;
    }
}
