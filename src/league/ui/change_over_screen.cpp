#include "league/ui/change_over_screen.h"

#include <QFrame>
#include <algorithm>

#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "form/yes_no_panel.h"
#include "league/change_over_rules.h"
#include "league/ui/arrow_picture.h"
#include "league/ui/change_over_texts.h"
#include "league/ui/key_button.h"
#include "league/ui/lost_details_text.h"
#include "league/ui/rule_line.h"
#include "league/ui/rule_list_panel.h"
#include "league/ui/team_counts_panel.h"
#include "league/ui/team_panel_support.h"
#include "store/calendar.h"
#include "store/results_file.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {

// Down to the help lines, so that no part of the details area shows below it.
const QRect kScreen(2, 34, 996, 598);
constexpr int kDraftTop = 6, kRuleLineTop = 242, kRevisedTop = 280, kKeysTop = 524;
const QRect kQuestion(258, 190, 480, 170);

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
        connect(g, &LineUpGrid::arrowPressed, this,
                [this, kind](LineUpGrid::Scroll scroll, int step) { Image_MouseDown(kind, scroll, step); });
        connect(g, &LineUpGrid::arrowReleased, this,
                [this, kind](LineUpGrid::Scroll scroll, int step) { Image_MouseUp(kind, scroll, step); });
        connect(g, &LineUpGrid::arrowClicked, this,
                [this, kind](LineUpGrid::Scroll scroll, int step) { Image_Click(kind, scroll, step); });
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

    // The question leaves the focus in the screen's command box, which hands it the keys.
    question_ = new YesNoPanel(p, "KousinChuusi", kQuestion);
    connect(question_, &YesNoPanel::answered, this, [this](bool yes) {
        st_.sidePanelOpen = 0;
        if (yes)
            leave();
        else
            keyBox_->setFocus(Qt::OtherFocusReason);
    });

    // The sub-panels lie over the screen.
    ruleList_ = new RuleListPanel(form, services);
    counts_ = new TeamCountsPanel(form, services);
    connect(ruleLine_, &RuleLine::ruleListClicked, ruleList_, [this] {
        if (!counts_->isOpen() && !question_->isOpen()) ruleList_->toggle();
    });
    connect(ruleList_, &RuleListPanel::closed, this, [this] {
        st_.focusCode = focus::ChangeOverKey;
        s_.focus.restoreFocus();
    });
    connect(&doc_, &LeagueDocument::rulesChanged, this, &ChangeOverScreen::showRuleLine);
    connect(&doc_, &LeagueDocument::lineUpChanged, this, [this] {
        if (!isOpen()) return;
        redraw();
        showRuleLine();
    });
    connect(&s_.commands, &FormCommands::openChangeOver, this, &ChangeOverScreen::open);

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

void ChangeOverScreen::open(bool fromCommandPanel) {
    if (isOpen()) return;
    fromCommandPanel_ = fromCommandPanel;
    teams_ = doc_.prepareChangeOver();
    st_.panelOpen = 1;
    draftWindow_ = revisedWindow_ = {};
    ruleIndex_ = 0;
    question_->close();
    raisePanel(panel_);
    for (LineUpGrid* g : {draft_, revised_})
        for (auto scroll : {LineUpGrid::Scroll::Groups, LineUpGrid::Scroll::Rows})
            for (int step : {-1, 1}) g->arrow(scroll, step)->showPressed(false);
    selectDraft(0);
    st_.focusCode = focus::ChangeOverKey;
    keyBox_->setFocus(Qt::OtherFocusReason);
    // Rules that place no team this term would otherwise leave their places unexplained.
    const QString unused = unusedRulesMessage(m_, teams_.unusedRules);
    if (!unused.isEmpty()) s_.messages.showMessage(unused);
}

void ChangeOverScreen::redraw() {
    // A column that became shorter keeps no empty window at its end.
    for (auto kind : {LineUpGrid::Kind::Draft, LineUpGrid::Kind::Revised}) window(kind).rows.setCount(columnRows(kind));
    draft_->show({&m_.RankedTeamRecord, &m_.teamMax, &m_, &teams_}, draftWindow_, draftSlot_);
    revised_->show({&m_.NextTermTeam, &m_.resultTeams, &m_, &teams_}, revisedWindow_, revisedSlot_);
}

LineUpGrid* ChangeOverScreen::grid(LineUpGrid::Kind kind) const {
    return kind == LineUpGrid::Kind::Draft ? draft_ : revised_;
}

LineUpGrid::Window& ChangeOverScreen::window(LineUpGrid::Kind kind) {
    return kind == LineUpGrid::Kind::Draft ? draftWindow_ : revisedWindow_;
}

// The draft's column shows its suspended teams; the revised one also a free row after its
// last entry, where a team can be put to be suspended.
int ChangeOverScreen::columnRows(LineUpGrid::Kind kind) const {
    const bool draft = kind == LineUpGrid::Kind::Draft;
    const int length = suspendedColumnLength(draft ? m_.RankedTeamRecord : m_.NextTermTeam);
    return draft ? length : std::min(length + 1, kChangePositions - kSuspendedColumn);
}

// PageUp and PageDown walk the draft: the places of the groups in use, then the suspended
// teams.
int ChangeOverScreen::nextRuleIndex(int step) const {
    const int groupsEnd = std::max(1, m_.resultGroupCount) * kTeamsPerGroup;
    const int end = kSuspendedColumn + suspendedColumnLength(m_.RankedTeamRecord);
    int i = ruleIndex_ + step;
    if (i >= groupsEnd && i < kSuspendedColumn) i = step > 0 ? kSuspendedColumn : groupsEnd - 1;
    return i < 0 || i >= end ? ruleIndex_ : i;
}

QString ChangeOverScreen::teamText(int team) const {
    return fromSjis(trimField(teams_.name(team)));
}

void ChangeOverScreen::showRuleLine() {
    const int q = draftSlot_, p = revisedSlot_;
    const auto rank = [](int slot) {
        return isGroupSlot(slot) ? slot % kTeamsPerGroup + 1 : slot - kSuspendedColumn + 1;
    };
    ruleLine_->showDraft(groupText(m_, q, true), rank(q), !isGroupSlot(q), teamText(m_.RankedTeamRecord[q]));
    ruleLine_->showRevised(groupText(m_, p, false), rank(p), !isGroupSlot(p));
}

// A draft cell shows where its team goes: the revised place its stored rule names, or the
// same place; a suspended team, the place it now has. "変更する" waits for a revised cell to
// be clicked.
void ChangeOverScreen::selectDraft(int slot) {
    draftSlot_ = slot;
    ruleIndex_ = slot;
    revisedChosen_ = false;
    int target = slot;
    if (isGroupSlot(slot)) {
        const int source = ruleSourceFor(s_.dir, slot + 1);
        if (source >= 1 && source <= kTeamPositions) target = source - 1;
    } else if (const int team = m_.RankedTeamRecord[slot]; team != 0) {
        const auto at = std::find(m_.NextTermTeam.begin(), m_.NextTermTeam.end(), team);
        if (at != m_.NextTermTeam.end()) target = int(at - m_.NextTermTeam.begin());
    }
    revisedSlot_ = target;
    scrollToShow(LineUpGrid::Kind::Draft, draftSlot_);
    scrollToShow(LineUpGrid::Kind::Revised, revisedSlot_);
    redraw();
    showRuleLine();
}

void ChangeOverScreen::selectRevised(int slot) {
    revisedSlot_ = slot;
    revisedChosen_ = true;
    redraw();
    showRuleLine();
}

void ChangeOverScreen::scrollToShow(LineUpGrid::Kind grid, int slot) {
    LineUpGrid::Window& w = window(grid);
    if (isGroupSlot(slot))
        w.groups.scrollToShow(slot / kTeamsPerGroup);
    else
        w.rows.scrollToShow(slot - kSuspendedColumn);
}

void ChangeOverScreen::Edit_KousinCommandChooseEnter(int code) {
    st_.focusCode = code;
    s_.help.setManualHint();
    s_.help.setHelp(kHelp1, kHelp2);
}

void ChangeOverScreen::Edit_KousinCommandChooseKeyDown(int key) {
    if (question_->isOpen()) {
        question_->handleKey(key);
        return;
    }
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
    if (question_->isOpen()) return;
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
    selectDraft(LineUpGrid::slotOf(draftWindow_, column, row));
}

void ChangeOverScreen::Label_NextTeamNameClick(int column, int row) {
    if (st_.sidePanelOpen) return;
    selectRevised(LineUpGrid::slotOf(revisedWindow_, column, row));
}

void ChangeOverScreen::Label_KousinExecClick() {
    if (st_.sidePanelOpen) return;
    if (!revisedChosen_) {
        if (m_.RankedTeamRecord[draftSlot_] != 0)
            s_.messages.showMessage(QStringLiteral("■下段の移す先をクリックしてから「変更する」を押してください■"));
        return;
    }
    // What changed is shown through the document's lineUpChanged; a refusal is told here.
    const LineUpChangeResult r = doc_.changeLineUp(draftSlot_, revisedSlot_);
    if (r.kind == LineUpChange::GroupFull)
        s_.messages.showMessage(QStringLiteral("■%1 は10チームのため、これ以上チームを入れられません■")
                                    .arg(groupText(m_, r.group * kTeamsPerGroup, false)));
    else if (r.kind == LineUpChange::SuspendedFull)
        s_.messages.showMessage(suspendedLimitMessage());
}

void ChangeOverScreen::Label_BeforeKimariClick() {
    if (st_.sidePanelOpen) return;
    selectDraft(nextRuleIndex(-1));
}

void ChangeOverScreen::Label_AfterKimariClick() {
    if (st_.sidePanelOpen) return;
    selectDraft(nextRuleIndex(1));
}

void ChangeOverScreen::Image_MouseDown(LineUpGrid::Kind g, LineUpGrid::Scroll scroll, int step) {
    if (st_.sidePanelOpen || !window(g).of(scroll).canScroll(step)) return;
    grid(g)->arrow(scroll, step)->showPressed(true);
}

void ChangeOverScreen::Image_MouseUp(LineUpGrid::Kind g, LineUpGrid::Scroll scroll, int step) {
    grid(g)->arrow(scroll, step)->showPressed(false);
}

void ChangeOverScreen::Image_Click(LineUpGrid::Kind g, LineUpGrid::Scroll scroll, int step) {
    if (st_.sidePanelOpen || !window(g).of(scroll).scroll(step)) return;
    redraw();
    showRuleLine();
}

void ChangeOverScreen::execute(bool lossAccepted) {
    const ChangeOverRun run = doc_.executeChangeOver(lossAccepted);
    switch (run.outcome) {
        case ChangeOverOutcome::Refused:
            s_.messages.showMessage(problemText(m_, teams_, run.problem, readChangeOverRules(s_.dir)));
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
            return;
        case ChangeOverOutcome::DetailsWouldBeLost:
            askAboutLostDetails(run.detailsLost);
            return;
        case ChangeOverOutcome::Done:
            break;
    }
    hideScreen();
    st_.panelOpen = 0;
    if (fromCommandPanel_) emit s_.commands.toggleCommandPanel();  // it closes with the screen
    st_.focusCode = focus::classBox(1);
    s_.focus.restoreFocus();
}

// Some teams' details would find no record: the organiser decides, over the screen.
void ChangeOverScreen::askAboutLostDetails(const std::vector<std::string>& names) {
    st_.sidePanelOpen = 1;
    lostDetails_->ask(lostDetailsQuestion(names));
}

// Leaving asks first when the screen shows changes that no stored rule keeps.
void ChangeOverScreen::cancel() {
    if (!lineUpDiffersFromRules(m_, s_.dir)) {
        leave();
        return;
    }
    st_.sidePanelOpen = 1;
    question_->ask(QStringLiteral("チームの入れ替えを中止しますか？"),
                   {QStringLiteral("休止予定への移動・休止中からの復帰・所属チーム数の変更など、"),
                    QStringLiteral("更新規則にならない変更は、中止すると取り消されます。"),
                    QStringLiteral("「変更する」で保存した更新規則はそのまま残ります。")});
    keyBox_->setFocus(Qt::OtherFocusReason);
}

void ChangeOverScreen::leave() {
    hideScreen();
    doc_.leaveChangeOver(!fromCommandPanel_);
    if (fromCommandPanel_) {
        // Back to the command panel, which is still open.
        st_.focusCode = focus::CommandKey;
        s_.focus.restoreFocus();
        return;
    }
    // From the new-term panel: the header and the table show the newest stored term again.
    s_.messages.cancelPanelOpenMessage();
    st_.panelOpen = 0;
    st_.focusCode = focus::Year;
    s_.focus.restoreFocus();
}

void ChangeOverScreen::hideScreen() {
    st_.sidePanelOpen = 0;
    question_->close();
    for (HiddenKeyBox* b : {keyBox_, confirmBox_})
        if (b->hasFocus()) b->clearFocus();
    panel_->hide();
}
