#include "league/ui/team_list.h"

#include <QLabel>
#include <utility>

#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/framed_shape.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "league/team_moves.h"
#include "league/team_names.h"
#include "league/team_rename.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {

// Form coordinates of the name rows.
constexpr int kLeft = 132, kTop = 66, kPitch = 21, kWidth = 152;
constexpr int kCaptionTop = kTop + kTeamsPerGroup * kPitch + 2;

QRect place(int x, int y, int w, int h) {
    return QRect(x - form_layout::kTeamList.x(), y - form_layout::kTeamList.y(), w, h);
}

const QString kHelp1 = QStringLiteral(
    "チーム名を全角10文字以内で入力します．上位ほど強いチームです．入力後[Enter]キーで詳細情報の入力に変わります．");
const QString kRegisterFull =
    QStringLiteral("■チーム情報の記録が200件すべて使われているため、新しいチーム名は登録できません■");
const QString kHelp2 =
    QStringLiteral("↑↓キーで[チーム名]の入力行を変えることができます．[ESC]キーでコマンドパネルを開きます．");

// clang-format off
const char* const kExplanation[] = {
    "半角文字は縦書きにしたとき",
    "正しく表示できません",
    "左で選択した級・部のチーム",
    "が表示されます。ひとつの級",
    "部で10チームまで登録可",
    "チームを↑↓で選択しEnter",
    "キーで詳細情報を入力できます。",
};
// clang-format on

struct KeyCaption {
    const char* key;
    const char* caption;
    int x, line;
};
const KeyCaption kKeys[] = {
    {"F2", "上へ移動", kLeft, 0},  {"F4", "下へ移動", kLeft + 82, 0}, {"F6", "退会", kLeft, 1},
    {"F7", "休会", kLeft + 54, 1}, {"F8", "復帰", kLeft + 108, 1},
};

}  // namespace

TeamList::TeamList(QWidget* form, FormServices& services) : QWidget(form), ScreenArea(services) {
    setObjectName("TeamList");
    setGeometry(form_layout::kTeamList);
    buildCaptions();
    buildRows();
    connect(&doc_, &LeagueDocument::groupShown, this, &TeamList::showNames);
    connect(&doc_, &LeagueDocument::selectedTeamChanged, this, &TeamList::markSelectedTeam);
    connect(&s_.commands, &FormCommands::markTeamRow, this, &TeamList::markActedOn);
    lower();  // a base area: every overlay panel lies above it
}

void TeamList::buildCaptions() {
    auto caption = [this](const QString& text, const QRect& r, int pixels, Qt::Alignment align = Qt::AlignLeft) {
        return makeLabel(this, text, r, LabelStyle{pixels, align | Qt::AlignVCenter});
    };
    caption(QStringLiteral("参加チーム名"), place(190, 44, 110, 20), 13);
    caption(QStringLiteral("↑全角以外使用不可↑"), place(kLeft, kCaptionTop, kWidth, 12), 11, Qt::AlignHCenter);
    int y = kCaptionTop + 13;
    for (const char* line : kExplanation) {
        caption(QString::fromUtf8(line), place(kLeft, y, 170, 11), 10);
        y += 11;
    }
    y += 1;
    for (const KeyCaption& k : kKeys) {
        const int top = y + 14 * k.line;
        auto* frame = new FramedShape(this, QString(), place(k.x, top, 20, 13), kSilver, kWhite);
        QLabel* key = caption(QString::fromUtf8(k.key), frame->geometry(), 10, Qt::AlignHCenter);
        key->raise();
        caption(QString::fromUtf8(k.caption), place(k.x + 22, top, 56, 13), 10);
    }
}

void TeamList::buildRows() {
    QFont f = font();
    f.setPixelSize(13);
    for (int n = 1; n <= kTeamsPerGroup; ++n) {
        const QRect r = place(kLeft, kTop + kPitch * (n - 1), kWidth, kPitch);
        frames_[n - 1] = new FramedShape(this, controlName("Shape_TeamName_", n), r, kSilver, kWhite);
        auto* edit = new FieldEdit(this, controlName("Edit_TeamName_", n), r.adjusted(3, 3, -3, -3), kTeamNameWidth);
        edit->setFont(f);
        edits_[n - 1] = edit;
        s_.focus.add(focus::teamName(n), edit);
        connect(edit, &FieldEdit::entered, this, [this, n] { Edit_TeamNameEnter(n); });
        connect(edit, &FieldEdit::exited, this, [this, n] { Edit_TeamNameExit(n); });
        connect(edit, &FieldEdit::keyDown, this,
                [this, n](int key, Qt::KeyboardModifiers) { Edit_TeamNameKeyDown(n, key); });
        // A name changed after [Enter] wrote it is written again when the box is left.
        connect(edit, &QLineEdit::textEdited, this, [this, n] {
            if (editingRow_ == n) st_.enterCommitted = 0;
        });
    }
}

void TeamList::showNames() {
    for (int r = 0; r < kTeamsPerGroup; ++r) {
        const QString text = fromSjis(trimField(doc_.shownName(r + 1)));
        if (edits_[r]->text() != text) edits_[r]->setText(text);
    }
    if (editingRow_ != 0) shown_ = edits_[editingRow_ - 1]->text();
    markSelectedTeam();
}

void TeamList::markSelectedTeam() {
    const int selected = rowOfPosition(m_.currentRecordNo);
    for (int r = 0; r < kTeamsPerGroup; ++r)
        if (frames_[r]->penColor() != kLime) frames_[r]->setPenColor(r == selected ? kRed : kSilver);
}

void TeamList::markActedOn(int n, bool actedOn) {
    if (actedOn) {
        if (n >= 1 && n <= kTeamsPerGroup) frames_[n - 1]->setPenColor(kLime);
        return;
    }
    for (FramedShape* f : frames_)
        if (f->penColor() == kLime) f->setPenColor(kSilver);
    markSelectedTeam();
}

bool TeamList::nameIsFilled(int n) const {
    const QString text = edits_[n - 1]->text();
    return !text.isEmpty() && !text.startsWith(QLatin1Char(' '));
}

void TeamList::Edit_TeamNameEnter(int n) {
    doc_.noteSelectedRow(n - 1);
    if (s_.refuseWhilePanelOpen()) return;
    s_.help.setManualHint();
    st_.focusCode = focus::teamName(n);
    st_.enterCommitted = 0;
    doc_.selectTeam(n - 1);
    editingRow_ = n;
    edits_[n - 1]->setText(fromSjis(trimField(doc_.shownName(n))));
    shown_ = edits_[n - 1]->text();
    edits_[n - 1]->selectAll();  // typing after moving in by key replaces the name
    if (frames_[n - 1]->penColor() != kLime) frames_[n - 1]->setPenColor(kRed);
    s_.help.setHelp(kHelp1, kHelp2);
}

bool TeamList::writeName(int n) {
    if (editingRow_ != n) return true;
    const QString text = edits_[n - 1]->text();
    // A name left as it was shown keeps its bytes as stored, but for blanks around it.
    const std::string field = teamNameField(text == shown_ ? doc_.shownName(n) : toSjis(text));
    if (doc_.writeTeamName(n - 1, field).outcome == NameChangeOutcome::RegisterFull) {
        s_.messages.showMessage(kRegisterFull);
        edits_[n - 1]->setText(fromSjis(trimField(doc_.shownName(n))));
        shown_ = edits_[n - 1]->text();
        return false;
    }
    return true;
}

void TeamList::Edit_TeamNameExit(int n) {
    if (editingRow_ != n) {
        edits_[n - 1]->setText(fromSjis(trimField(doc_.shownName(n))));  // a refused box keeps nothing typed
        return;
    }
    if (!st_.enterCommitted) writeName(n);
    editingRow_ = 0;
    if (frames_[n - 1]->penColor() != kLime) frames_[n - 1]->setPenColor(kSilver);
}

void TeamList::moveTeam(int n, MoveDirection d) {
    if (editingRow_ != n || !canMove(n - 1, d)) return;
    // A name typed but not yet written goes with its team rather than being lost.
    if (edits_[n - 1]->text() != shown_ && !writeName(n)) return;
    doc_.moveTeam(n - 1, d);
    // The selection and the focus follow the team, so that two presses move it two rows.
    const int at = m_.selectedRow + 1;
    if (at != n) {
        st_.enterCommitted = 1;  // nothing typed is left to write in the row it leaves
        focusField(focus::teamName(at));
    }
}

void TeamList::Edit_TeamNameKeyDown(int n, int key) {
    FieldEdit* e = edits_[n - 1];
    switch (key) {
        case Qt::Key_Escape:
            e->setKeyHandled();
            emit s_.commands.toggleCommandPanel();
            break;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            e->setKeyHandled();
            if (!writeName(n)) break;
            st_.enterCommitted = 1;
            const int next = key == Qt::Key_Up ? (n == 1 ? kTeamsPerGroup : n - 1) : n % kTeamsPerGroup + 1;
            focusField(focus::teamName(next));
            break;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            e->setKeyHandled();
            if (!writeName(n)) break;
            st_.enterCommitted = 1;
            focusField(focus::Representative);
            break;
        case Qt::Key_Backtab:
            // Back from the first name to the division box of the group, the field before it.
            if (n != 1) break;
            e->setKeyHandled();
            focusField(focus::divisionBox(m_.currentGroup));
            break;
        case Qt::Key_F2:
        case Qt::Key_F4:
            e->setKeyHandled();
            moveTeam(n, key == Qt::Key_F2 ? MoveDirection::Up : MoveDirection::Down);
            break;
        case Qt::Key_F6:
        case Qt::Key_F7:
            e->setKeyHandled();
            if (editingRow_ != n || !nameIsFilled(n)) break;
            if (key == Qt::Key_F6)
                emit s_.commands.openWithdrawal(n);
            else
                emit s_.commands.openSuspension(n);
            break;
        case Qt::Key_F8:
            e->setKeyHandled();
            if (editingRow_ == n && m_.suspendedCount > 0) emit s_.commands.openReturn(n);
            break;
        default:
            break;
    }
}
