#include "league/ui/change_over_texts.h"

#include <QStringList>

#include "form/sjis_text.h"
#include "league/group_names.h"
#include "league/ui/team_panel_support.h"
#include "store/text_ops.h"

QString groupText(const LeagueModel& m, int slot, bool draft) {
    if (!isGroupSlot(slot)) return draft ? QStringLiteral("休止中") : QStringLiteral("休止予定");
    return fromSjis(groupLabel(m, slot / kTeamsPerGroup));
}

PlaceWords placeWords(const LeagueModel& m, int position, bool draft) {
    if (position >= 1 && position <= kTeamPositions)
        return {groupText(m, position - 1, draft), rowOfPosition(position) + 1, QStringLiteral("位")};
    if (position > kTeamPositions && position <= kChangePositions)
        return {groupText(m, position - 1, draft), position - kTeamPositions, QStringLiteral("行")};
    return {QString(), position, QStringLiteral("番")};
}

QString ruleText(const LeagueModel& m, const ChangeOverRule& r) {
    const auto place = [&m](int position, bool draft) {
        const PlaceWords w = placeWords(m, position, draft);
        return (w.group.isEmpty() ? QString() : w.group + QStringLiteral("の")) + QString::number(w.number) + w.unit;
    };
    return QStringLiteral("%1を%2に").arg(place(r.target, true), place(r.source, false));
}

QString unusedRulesMessage(const LeagueModel& m, const std::vector<UnusedRule>& unused) {
    if (unused.empty()) return QString();
    QStringList items;
    for (const UnusedRule& u : unused)
        items << QStringLiteral("「%1」（%2）")
                     .arg(ruleText(m, u.rule), u.why == UnusedRule::Temporary ? QStringLiteral("一時規則")
                                                                              : QStringLiteral("次節案にチームなし"));
    return QStringLiteral("■次の更新規則は今回あてはめません：%1■").arg(items.join(QStringLiteral("、")));
}

QString problemText(const LeagueModel& m, const DraftTeams& teams, const LineUpProblem& p,
                    const std::vector<ChangeOverRule>& rules) {
    const QString group = p.group >= 0 ? groupText(m, p.group * kTeamsPerGroup, false) : QString();
    QString team = fromSjis(trimField(teams.name(p.team)));
    if (team.isEmpty()) team = QStringLiteral("（名前のないチーム）");
    switch (p.kind) {
        case LineUpProblem::NoTeams:
            return QStringLiteral("■次節の級・部にチームがありません■");
        case LineUpProblem::BadCount:
            return QStringLiteral("■%1 の所属チーム数が正しくありません■").arg(group);
        case LineUpProblem::Gap: {
            const QString gap = QStringLiteral("%1 の %2 位が空いています").arg(group).arg(p.row + 1);
            const auto rule = ruleBehindGap(rules, positionNumber(p.group, p.row));
            if (!rule) return QStringLiteral("■%1■").arg(gap);
            return QStringLiteral("■%1（更新規則「%2」）■").arg(gap, ruleText(m, *rule));
        }
        case LineUpProblem::BeyondCount:
            return QStringLiteral("■%1 の %2 位のチームが所属チーム数を超えています■").arg(group).arg(p.row + 1);
        case LineUpProblem::Twice:
            return QStringLiteral("■%1 が２か所に入っています■").arg(team);
        case LineUpProblem::Missing:
            return QStringLiteral("■%1 が次節のどこにも入っていません■").arg(team);
        case LineUpProblem::TooManySuspended:
            return suspendedLimitMessage();
        case LineUpProblem::None:
            break;
    }
    return QString();
}
