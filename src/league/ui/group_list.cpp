#include "league/ui/group_list.h"

#include <QLabel>
#include <algorithm>
#include <utility>

#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/framed_shape.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"

using namespace form_colors;

namespace {

// Form coordinates of row 1; each row lies kPitch lower.
constexpr int kPitch = 26;
constexpr int kBoxTop = 68, kClassLeft = 10, kDivisionLeft = 34, kBox = 22;
constexpr int kSelectionLeft = 6, kSelectionTop = 66, kSelectionWidth = 52;
constexpr int kMarkerLeft = 60, kMarkerTop = 68, kMarkerWidth = 16;

int focusCodeOf(GroupColumn c, int n) {
    return c == GroupColumn::Class ? focus::classBox(n) : focus::divisionBox(n);
}

int wrapped(int n) {
    return (n + kGroups - 1) % kGroups + 1;
}

// Form coordinates into the list's own.
QRect place(int x, int y, int w, int h) {
    return QRect(x - form_layout::kGroupList.x(), y - form_layout::kGroupList.y(), w, h);
}

const QString kClassHelp1 = QStringLiteral(
    "↑↓キーで[級]の位置を決め、半角文字（アルファベットまたは数字）1文字で入力し[Enter]キーを押してください．");
const QString kClassHelp2 =
    QStringLiteral("[部]の入力に移ります．上位ほど強い[級部]となります．[ESC]キーでコマンドパネルが開きます．");
const QString kDivisionHelp1 = QStringLiteral(
    "[部]を半角文字（アルファベットまたは数字）1文字で入力し[Enter]キーを押してください．選択級部の[チーム名]"
    "の入力に移ります．");
const QString kDivisionHelp2 = QStringLiteral(
    "[Home]キーで[級]にもどります．[ESC]キーでコマンドパネルを開きます．↑↓キーで[級部]の入力行を変えることができ"
    "ます．");

}  // namespace

GroupList::GroupList(QWidget* form, FormServices& services) : QWidget(form), ScreenArea(services) {
    setObjectName("GroupList");
    setGeometry(form_layout::kGroupList);

    QFont big = form->font();
    big.setPixelSize(14);
    for (auto [text, x] : {std::pair{"級", kClassLeft}, std::pair{"部", kDivisionLeft}}) {
        auto* caption = new QLabel(QString::fromUtf8(text), this);
        caption->setGeometry(place(x, kSelectionTop - 20, kBox, 18));
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(big);
    }

    // Drawn first so that the letter boxes lie above it; clicks go through to them.
    selection_ = new FramedShape(this, "Shape_KyuuBu", QRect(), kBlue);
    selection_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker_ = new QLabel(QStringLiteral("◀"), this);
    marker_->setObjectName("Image_KyuuBu");
    marker_->setAlignment(Qt::AlignCenter);
    QPalette mp = marker_->palette();
    mp.setColor(QPalette::WindowText, kBlue);
    marker_->setPalette(mp);

    buildColumn(GroupColumn::Class);
    buildColumn(GroupColumn::Division);
    connect(&doc_, &LeagueDocument::groupShown, this, &GroupList::showGroups);
    lower();  // a base area: every overlay panel lies above it
}

void GroupList::buildColumn(GroupColumn c) {
    const bool isClass = c == GroupColumn::Class;
    QFont f = font();
    f.setPixelSize(14);
    for (int n = 1; n <= kGroups; ++n) {
        const QRect r = place(isClass ? kClassLeft : kDivisionLeft, kBoxTop + kPitch * (n - 1), kBox, kBox);
        auto* frame = new FramedShape(this, controlName(isClass ? "Shape_Kyuu_" : "Shape_Bu_", n), r, kSilver, kWhite);
        auto* edit =
            new FieldEdit(this, controlName(isClass ? "Edit_Kyuu_" : "Edit_Bu_", n), r.adjusted(3, 3, -3, -3), 1);
        edit->setFont(f);
        edit->setAlignment(Qt::AlignCenter);
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        column(c).frames[n - 1] = frame;
        column(c).edits[n - 1] = edit;
        s_.focus.add(focusCodeOf(c, n), edit);
        if (isClass) {
            connect(edit, &FieldEdit::entered, this, [this, n] { Edit_KyuuEnter(n); });
            connect(edit, &FieldEdit::exited, this, [this, n] { Edit_KyuuExit(n); });
            connect(edit, &FieldEdit::keyDown, this,
                    [this, n](int key, Qt::KeyboardModifiers) { Edit_KyuuKeyDown(n, key); });
        } else {
            connect(edit, &FieldEdit::entered, this, [this, n] { Edit_BuEnter(n); });
            connect(edit, &FieldEdit::exited, this, [this, n] { Edit_BuExit(n); });
            connect(edit, &FieldEdit::keyDown, this,
                    [this, n](int key, Qt::KeyboardModifiers) { Edit_BuKeyDown(n, key); });
        }
    }
}

char GroupList::storedLetter(GroupColumn c, int n) const {
    return c == GroupColumn::Class ? m_.classLetter(n - 1) : m_.divisionLetter(n - 1);
}

void GroupList::showLetter(GroupColumn c, int n) {
    const char letter = storedLetter(c, n);
    // An unset letter is a blank and shows as an empty box. A box is set only when its text
    // changes: every group switch shows all forty.
    const QString text = letter == ' ' ? QString() : fromSjis(std::string(1, letter));
    if (column(c).edits[n - 1]->text() != text) column(c).edits[n - 1]->setText(text);
}

void GroupList::showGroups() {
    for (GroupColumn c : {GroupColumn::Class, GroupColumn::Division})
        for (int n = 1; n <= kGroups; ++n)
            if (!isEditing(c, n)) showLetter(c, n);
    const int n = std::clamp(m_.currentGroup, 1, kGroups);
    selection_->setGeometry(place(kSelectionLeft, kSelectionTop + kPitch * (n - 1), kSelectionWidth, kPitch));
    marker_->setGeometry(place(kMarkerLeft, kMarkerTop + kPitch * (n - 1), kMarkerWidth, kBox));
}

void GroupList::enterBox(GroupColumn c, int n) {
    if (s_.refuseWhilePanelOpen()) return;
    s_.help.setManualHint();
    st_.focusCode = focusCodeOf(c, n);
    doc_.chooseGroup(n);
    showLetter(c, n);
    editingColumn_ = c;
    editingRow_ = n;
    FieldEdit* e = column(c).edits[n - 1];
    shown_ = e->text();
    e->selectAll();  // a letter typed after moving in by key replaces the old one
    column(c).frames[n - 1]->setPenColor(kRed);
    if (c == GroupColumn::Class)
        s_.help.setHelp(kClassHelp1, kClassHelp2);
    else
        s_.help.setHelp(kDivisionHelp1, kDivisionHelp2);
}

void GroupList::storeLetter(GroupColumn c, int n) {
    // Only a box whose entry was accepted stores; a refused one is left as it was.
    if (!isEditing(c, n)) return;
    FieldEdit* e = column(c).edits[n - 1];
    // A letter left as it was shown keeps its byte, even one that has no character to show.
    const char letter = e->text() == shown_ ? storedLetter(c, n) : groupLetterFromText(toSjis(e->text()));
    doc_.storeGroupLetter(n - 1, c, letter);
    showLetter(c, n);
    shown_ = e->text();
}

void GroupList::exitBox(GroupColumn c, int n) {
    if (!isEditing(c, n)) {
        showLetter(c, n);  // whatever was typed into a refused box is not kept
        return;
    }
    storeLetter(c, n);
    editingRow_ = 0;
    column(c).frames[n - 1]->setPenColor(kSilver);
}

void GroupList::Edit_KyuuEnter(int n) {
    enterBox(GroupColumn::Class, n);
}
void GroupList::Edit_KyuuExit(int n) {
    exitBox(GroupColumn::Class, n);
}
void GroupList::Edit_BuEnter(int n) {
    enterBox(GroupColumn::Division, n);
}
void GroupList::Edit_BuExit(int n) {
    exitBox(GroupColumn::Division, n);
}

void GroupList::Edit_KyuuKeyDown(int n, int key) {
    letterKeyDown(GroupColumn::Class, n, key);
}
void GroupList::Edit_BuKeyDown(int n, int key) {
    letterKeyDown(GroupColumn::Division, n, key);
}

// The two columns share their keys but for [Home] and [Enter]: in a class box [Home] goes to
// the division box of the row above and [Enter] to the division box of the same row; in a
// division box [Home] goes back to the class box and [Enter] on to the first team name.
void GroupList::letterKeyDown(GroupColumn c, int n, int key) {
    const bool isClass = c == GroupColumn::Class;
    int target = 0;
    bool store = false;
    switch (key) {
        case Qt::Key_Escape:
            column(c).edits[n - 1]->setKeyHandled();
            emit s_.commands.toggleCommandPanel();
            return;
        case Qt::Key_Home:
            if (isClass)
                target = n == 1 ? focus::Year : focusCodeOf(GroupColumn::Division, n - 1);
            else
                target = focusCodeOf(GroupColumn::Class, n);
            break;
        case Qt::Key_Up:
            target = n == 1 ? focus::Year : focusCodeOf(c, n - 1);
            break;
        case Qt::Key_Down:
            store = true;
            target = focusCodeOf(c, wrapped(n + 1));
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            store = true;
            target = isClass ? focusCodeOf(GroupColumn::Division, n) : focus::teamName(1);
            break;
        default:
            return;
    }
    column(c).edits[n - 1]->setKeyHandled();
    if (store) storeLetter(c, n);
    focusField(target);
}
