#include "league/ui/change_over_screen.h"

#include <QFrame>

#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "form/yes_no_panel.h"
#include "league/change_over_rules.h"
#include "league/ui/arrow_picture.h"
#include "league/ui/key_button.h"
#include "league/ui/lost_details_text.h"
#include "league/ui/rule_line.h"
#include "league/ui/rule_list_panel.h"
#include "league/ui/team_counts_panel.h"
#include "store/calendar.h"
#include "store/results_file.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {

const QRect kScreen(2, 34, 996, 570);
constexpr int kDraftTop = 6, kRuleLineTop = 242, kRevisedTop = 280, kKeysTop = 524;
constexpr int kLastRuleIndex = kSuspendedColumn + kSuspendedRowsShown;

struct FunctionKey {
    int key;
    const char* keyName;
    const char* keyText;
    const char* captionName;
    const char* caption;
    int x, width;
};
const FunctionKey kFunctionKeys[] = {
    {Qt::Key_F1, "Label_Panel_Kousin_F1", "F1", "Label_ChangeExec", "チーム入れ替えを実行する", 64, 250},
    {Qt::Key_F5, "Label_Panel_Kousin_F5", "F5", "Label_ChangeLeagueTeanSuu", "部の所属チーム数を変更する", 374, 250},
    {Qt::Key_F9, "Label_Panel_Kousin_F9", "F9", "Label_NotChange", "チーム入れ替えを中止する", 684, 250},
};

const QString kHelp1 = QStringLiteral(
    "上段のチーム、下段の移す先を順にクリックし「変更する」を押してください．[PageUp][PageDown]で更新規則を確かめられま"
    "す．");
const QString kHelp2 =
    QStringLiteral("[F1]キーで入れ替えを実行、[F5]キーで所属チーム数の変更、[F9]キーで入れ替えを中止します．");

}  // namespace

ChangeOverScreen::ChangeOverScreen(QWidget* form, FormServices& services)
    : QObject(form), ScreenArea(services), panel_(makeOverlayPanel(form, "Panel_Kousin", kScreen)) {
    QFrame* p = panel_;
    setWidgetColours(p, QColor(), kFormBackground);
    const std::string images = s_.dir.path("Images");
    draft_ = new LineUpGrid(p, LineUpGrid::Kind::Draft, kDraftTop, images);
    revised_ = new LineUpGrid(p, LineUpGrid::Kind::Revised, kRevisedTop, images);
    ruleLine_ = new RuleLine(p, kRuleLineTop);

    for (const FunctionKey& k : kFunctionKeys) {
        auto* b = new KeyButton(p, k.keyName, k.keyText, k.captionName, QString::fromUtf8(k.caption),
                                QRect(k.x, kKeysTop, k.width, 30));
        b->setPressed(false);
        connect(b, &KeyButton::clicked, this, [this, key = k.key] { functionKey(key); });
    }

    connect(draft_, &LineUpGrid::cellClicked, this, &ChangeOverScreen::Label_PreTeamNameClick);
    connect(revised_, &LineUpGrid::cellClicked, this, &ChangeOverScreen::Label_NextTeamNameClick);
    for (LineUpGrid* g : {draft_, revised_}) {
        const LineUpGrid::Kind kind = g == draft_ ? LineUpGrid::Kind::Draft : LineUpGrid::Kind::Revised;
        connect(g, &LineUpGrid::arrowPressed, this, [this, kind](int step) { Image_MouseDown(kind, step); });
        connect(g, &LineUpGrid::arrowReleased, this, [this, kind](int step) { Image_MouseUp(kind, step); });
        connect(g, &LineUpGrid::arrowClicked, this, [this, kind](int step) { Image_Click(kind, step); });
    }
    connect(ruleLine_, &RuleLine::changeClicked, this, &ChangeOverScreen::Label_KousinExecClick);
    connect(ruleLine_, &RuleLine::previousClicked, this, &ChangeOverScreen::Label_BeforeKimariClick);
    connect(ruleLine_, &RuleLine::nextClicked, this, &ChangeOverScreen::Label_AfterKimariClick);

    // Two hidden command boxes with the same keys.
    auto box = [this](const char* name, int code) {
        auto* b = new HiddenKeyBox(panel_, name);
        s_.focus.add(code, b);
        connect(b, &FieldEdit::entered, this, [this, code] { Edit_KousinCommandChooseEnter(code); });
        connect(b, &FieldEdit::keyDown, this, [this, b](int key, Qt::KeyboardModifiers) {
            b->setKeyHandled();
            Edit_KousinCommandChooseKeyDown(key);
        });
        return b;
    };
    keyBox_ = box("Edit_KousinCommandChoose", focus::ChangeOverKey);
    confirmBox_ = box("Edit_KakuninCommandChoose", focus::TermConfirmKey);

    // The sub-panels lie over the screen.
    ruleList_ = new RuleListPanel(form, services);
    counts_ = new TeamCountsPanel(form, services);
    connect(ruleLine_, &RuleLine::ruleListClicked, ruleList_, [this] {
        if (!counts_->isOpen()) ruleList_->toggle();
    });
    connect(ruleList_, &RuleListPanel::closed, this, [this] {
        st_.focusCode = focus::ChangeOverKey;
        s_.focus.restoreFocus();
    });
    connect(ruleList_, &RuleListPanel::rulesChanged, this, &ChangeOverScreen::showRuleLine);
    connect(counts_, &TeamCountsPanel::applied, this, &ChangeOverScreen::redraw);

    lostDetails_ = new YesNoPanel(form, "SyousaiKakunin", QRect(230, 210, 540, 200), s_, focus::LostDetailsKey);
    connect(lostDetails_, &YesNoPanel::answered, this, [this](bool yes) {
        st_.sidePanelOpen = 0;
        if (yes) return execute(true);
        st_.focusCode = focus::ChangeOverKey;
        s_.focus.restoreFocus();
    });
}

bool ChangeOverScreen::isOpen() const {
    return panel_->isVisible();
}

void ChangeOverScreen::openFromCommandPanel() {
    open(true);
}

void ChangeOverScreen::openForNewTerm(int, int) {
    open(false);
}

void ChangeOverScreen::open(bool fromCommandPanel) {
    if (isOpen()) return;
    fromCommandPanel_ = fromCommandPanel;
    teams_ = prepareChangeOver(m_, s_.dir);
    st_.panelOpen = 1;
    draftFirst_ = revisedFirst_ = 0;
    ruleIndex_ = 0;
    raisePanel(panel_);
    for (LineUpGrid* g : {draft_, revised_})
        for (int step : {-1, 1}) g->arrow(step)->showPressed(false);
    selectDraft(0);
    st_.focusCode = focus::ChangeOverKey;
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void ChangeOverScreen::redraw() {
    draft_->show({&m_.RankedTeamRecord, &m_.teamMax, &m_.groupBlock, &teams_}, draftFirst_, draftSlot_);
    revised_->show({&m_.NextTermTeam, &m_.resultTeams, &m_.groupBlock, &teams_}, revisedFirst_, revisedSlot_);
}

QString ChangeOverScreen::groupText(int slot, bool draft) const {
    if (!isGroupSlot(slot)) return draft ? QStringLiteral("休止中") : QStringLiteral("休止予定");
    const int g = slot / kTeamsPerGroup;
    const QString letters = fromSjis(trimField(m_.groupBlock.substr(std::size_t(2 * g), 2)));
    return letters.isEmpty() ? QStringLiteral("%1番目").arg(g + 1) : letters;
}

QString ChangeOverScreen::teamText(int team) const {
    return fromSjis(trimField(teams_.name(team)));
}

void ChangeOverScreen::showRuleLine() {
    const int q = draftSlot_, p = revisedSlot_;
    ruleLine_->showDraft(groupText(q, true), q % kTeamsPerGroup + 1, !isGroupSlot(q), teamText(m_.RankedTeamRecord[q]));
    ruleLine_->showRevised(groupText(p, false), p % kTeamsPerGroup + 1, !isGroupSlot(p));
}

// A draft cell shows where its team goes: the revised place its stored rule names, or the
// same place; that place becomes the revised selection, so "変更する" does what the line reads.
void ChangeOverScreen::selectDraft(int slot) {
    draftSlot_ = slot;
    int target = slot;
    if (isGroupSlot(slot)) {
        ruleIndex_ = slot;
        const int source = ruleSourceFor(s_.dir, slot + 1);
        if (source >= 1 && source <= kSuspendedColumn + kSuspendedRowsShown) target = source - 1;
    }
    revisedSlot_ = target;
    scrollToShow(LineUpGrid::Kind::Draft, draftSlot_);
    scrollToShow(LineUpGrid::Kind::Revised, revisedSlot_);
    redraw();
    showRuleLine();
}

void ChangeOverScreen::selectRevised(int slot) {
    revisedSlot_ = slot;
    redraw();
    showRuleLine();
}

void ChangeOverScreen::scrollToShow(LineUpGrid::Kind grid, int slot) {
    if (!isGroupSlot(slot)) return;
    int& first = grid == LineUpGrid::Kind::Draft ? draftFirst_ : revisedFirst_;
    const int g = slot / kTeamsPerGroup;
    if (g < first) first = g;
    if (g >= first + LineUpGrid::kGroupColumns) first = g - LineUpGrid::kGroupColumns + 1;
}

void ChangeOverScreen::Edit_KousinCommandChooseEnter(int code) {
    st_.focusCode = code;
    s_.help.setManualHint();
    s_.help.setHelp(kHelp1, kHelp2);
}

void ChangeOverScreen::Edit_KousinCommandChooseKeyDown(int key) {
    switch (key) {
        case Qt::Key_F1:
        case Qt::Key_F5:
        case Qt::Key_F9:
            functionKey(key);
            return;
        case Qt::Key_Escape:
            functionKey(Qt::Key_F9);
            return;
        case Qt::Key_PageUp:
            Label_BeforeKimariClick();
            return;
        case Qt::Key_PageDown:
            Label_AfterKimariClick();
            return;
        default:
            return;
    }
}

void ChangeOverScreen::functionKey(int key) {
    if (key == Qt::Key_F5) {
        // F5 opens the teams per group, or closes them again; not over the rule list.
        if (!ruleList_->isOpen()) counts_->toggle();
        return;
    }
    if (st_.sidePanelOpen) return;
    if (key == Qt::Key_F1) execute();
    if (key == Qt::Key_F9) cancel();
}

void ChangeOverScreen::Label_PreTeamNameClick(int column, int row) {
    if (st_.sidePanelOpen) return;
    selectDraft(LineUpGrid::slotOf(draftFirst_, column, row));
}

void ChangeOverScreen::Label_NextTeamNameClick(int column, int row) {
    if (st_.sidePanelOpen) return;
    selectRevised(LineUpGrid::slotOf(revisedFirst_, column, row));
}

void ChangeOverScreen::Label_KousinExecClick() {
    if (st_.sidePanelOpen) return;
    const LineUpChangeResult r = applyLineUpChange(m_, s_.dir, draftSlot_, revisedSlot_);
    switch (r.kind) {
        case LineUpChange::Nothing:
            return;
        case LineUpChange::Moved:
            s_.reportSave(r.saved);
            break;
        case LineUpChange::GroupFull:
            s_.messages.showMessage(QStringLiteral("■%1 は10チームのため、これ以上チームを入れられません■")
                                        .arg(groupText(r.group * kTeamsPerGroup, false)));
            return;
        case LineUpChange::SuspendedFull:
            s_.messages.showMessage(QStringLiteral("■休会チームは100チームまでです■"));
            return;
        case LineUpChange::Suspended:
        case LineUpChange::Returned:
            break;
    }
    redraw();
    showRuleLine();
}

void ChangeOverScreen::Label_BeforeKimariClick() {
    if (st_.sidePanelOpen) return;
    ruleIndex_ = std::max(0, ruleIndex_ - 1);
    if (isGroupSlot(ruleIndex_)) selectDraft(ruleIndex_);
}

void ChangeOverScreen::Label_AfterKimariClick() {
    if (st_.sidePanelOpen) return;
    ruleIndex_ = std::min(kLastRuleIndex, ruleIndex_ + 1);
    if (isGroupSlot(ruleIndex_)) selectDraft(ruleIndex_);
}

bool ChangeOverScreen::canScroll(LineUpGrid::Kind grid, int step) const {
    const int first = grid == LineUpGrid::Kind::Draft ? draftFirst_ : revisedFirst_;
    return step < 0 ? first > 0 : first < LineUpGrid::kLastFirstGroup;
}

void ChangeOverScreen::Image_MouseDown(LineUpGrid::Kind grid, int step) {
    if (st_.sidePanelOpen || !canScroll(grid, step)) return;
    (grid == LineUpGrid::Kind::Draft ? draft_ : revised_)->arrow(step)->showPressed(true);
}

void ChangeOverScreen::Image_MouseUp(LineUpGrid::Kind grid, int step) {
    (grid == LineUpGrid::Kind::Draft ? draft_ : revised_)->arrow(step)->showPressed(false);
}

void ChangeOverScreen::Image_Click(LineUpGrid::Kind grid, int step) {
    if (st_.sidePanelOpen || !canScroll(grid, step)) return;
    (grid == LineUpGrid::Kind::Draft ? draftFirst_ : revisedFirst_) += step;
    redraw();
    showRuleLine();
}

QString ChangeOverScreen::problemText(const LineUpProblem& p) const {
    const QString group = p.group >= 0 ? groupText(p.group * kTeamsPerGroup, false) : QString();
    QString team = teamText(p.team);
    if (team.isEmpty()) team = QStringLiteral("（名前のないチーム）");
    switch (p.kind) {
        case LineUpProblem::NoTeams:
            return QStringLiteral("■次節の級・部にチームがありません■");
        case LineUpProblem::BadCount:
            return QStringLiteral("■%1 の所属チーム数が正しくありません■").arg(group);
        case LineUpProblem::Gap:
            return QStringLiteral("■%1 の %2 位が空いています■").arg(group).arg(p.row + 1);
        case LineUpProblem::BeyondCount:
            return QStringLiteral("■%1 の %2 位のチームが所属チーム数を超えています■").arg(group).arg(p.row + 1);
        case LineUpProblem::Twice:
            return QStringLiteral("■%1 が２か所に入っています■").arg(team);
        case LineUpProblem::Missing:
            return QStringLiteral("■%1 が次節のどこにも入っていません■").arg(team);
        case LineUpProblem::TooManySuspended:
            return QStringLiteral("■休会チームが100チームを超えます■");
        case LineUpProblem::None:
            break;
    }
    return QString();
}

void ChangeOverScreen::execute(bool lossAccepted) {
    const ChangeOverRun run = executeChangeOver(m_, s_.dir, currentDateTime(), lossAccepted);
    switch (run.outcome) {
        case ChangeOverOutcome::Refused:
            s_.messages.showMessage(problemText(run.problem));
            return;
        case ChangeOverOutcome::NoTermStored:
            s_.messages.showMessage(QStringLiteral("■登録済みの節がないため入れ替えできません■"));
            return;
        case ChangeOverOutcome::Unreadable:
            s_.messages.showMessage(QStringLiteral("■%1 を読めないため入れ替えできません■")
                                        .arg(QString::fromStdString(run.saved.failedFileName())));
            return;
        case ChangeOverOutcome::BackupFailed:
            s_.messages.showMessage(QStringLiteral("■バックアップを作成できないため入れ替えを実行しませんでした■"));
            return;
        case ChangeOverOutcome::NotSaved:
            s_.reportSave(run.saved);
            return;
        case ChangeOverOutcome::DetailsWouldBeLost:
            askAboutLostDetails(run.detailsLost);
            return;
        case ChangeOverOutcome::Done:
            break;
    }
    hideScreen();
    st_.panelOpen = 0;
    if (fromCommandPanel_) s_.toggleCommandPanel();  // it closes with the screen
    s_.showHeader();
    s_.showGroup();
    st_.focusCode = focus::classBox(1);
    s_.focus.restoreFocus();
}

// Some teams' details would find no record: the organiser decides, over the screen.
void ChangeOverScreen::askAboutLostDetails(const std::vector<std::string>& names) {
    st_.sidePanelOpen = 1;
    lostDetails_->ask(lostDetailsQuestion(names));
}

void ChangeOverScreen::cancel() {
    hideScreen();
    // Outside the screen the counts per group are the newest term's again; the next opening
    // would count them anew in any case.
    countGroupTeams(m_, s_.dir);
    if (fromCommandPanel_) {
        // Back to the command panel, which is still open.
        st_.focusCode = focus::CommandKey;
        s_.focus.restoreFocus();
        return;
    }
    // From the new-term panel: the header and the table show the newest stored term again.
    s_.messages.cancelPanelOpenMessage();
    st_.panelOpen = 0;
    readTermSlots(m_, s_.dir);
    m_.termSlotIndex = 0;
    countTermTeams(m_, s_.dir);
    s_.showHeader();
    s_.showGroup();
    st_.focusCode = focus::Year;
    s_.focus.restoreFocus();
}

void ChangeOverScreen::hideScreen() {
    st_.sidePanelOpen = 0;
    for (HiddenKeyBox* b : {keyBox_, confirmBox_})
        if (b->hasFocus()) b->clearFocus();
    panel_->hide();
}
