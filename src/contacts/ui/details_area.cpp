#include "contacts/ui/details_area.h"

#include <QLabel>

#include "contacts/team_details.h"
#include "contacts/ui/address_lookup.h"
#include "contacts/ui/saved_code_panel.h"
#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/fonts.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/framed_shape.h"
#include "form/label_factory.h"
#include "form/memo_edit.h"
#include "form/sjis_text.h"
#include "league/team_names.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"

using namespace form_colors;
using detail_fields::kCount;
using detail_fields::kMemo;

namespace {

QRect place(const QRect& formRect) {
    return formRect.translated(-form_layout::kDetails.topLeft());
}

const DetailField& detail(int i) {
    return detail_fields::all()[i];
}

QFont fieldFont() {
    QFont f(fonts::kMincho);
    f.setPixelSize(15);
    return f;
}

// Tells the desktop's input method what the field expects. Read-only changes switch the
// input method back on, so this runs after each of them.
void applyInputKind(QWidget* w, InputKind kind) {
    switch (kind) {
        case InputKind::Latin:
            w->setAttribute(Qt::WA_InputMethodEnabled, false);
            w->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoAutoUppercase |
                                   Qt::ImhNoPredictiveText);
            break;
        case InputKind::Reading:
            w->setInputMethodHints(Qt::ImhNoPredictiveText);
            break;
        case InputKind::Japanese:
            w->setInputMethodHints(Qt::ImhNone);
            break;
    }
}

// A field without a team to keep its text is greyed like the cross table's empty cells; a
// read-only box shows no cursor.
void showOpen(QWidget* control, FramedShape* frame, bool open) {
    frame->setFillColor(open ? kWhite : kGridGrey);
    QPalette p = control->palette();
    p.setColor(QPalette::Base, open ? kWhite : kGridGrey);
    p.setColor(QPalette::Text, open ? kBlack : kGray);
    control->setPalette(p);
}

QString trimmedForEditing(const QString& text) {
    return QString::fromStdString(details::trimForEditing(text.toStdString()));
}

}  // namespace

DetailsArea::DetailsArea(QWidget* form, FormServices& services) : QWidget(form), ScreenArea(services) {
    setObjectName("DetailsArea");
    setGeometry(form_layout::kDetails);
    record_ = emptyRecord(layouts::get(layouts::Team));
    buildCaptions();
    buildFields();
    lower();  // a base area: every overlay panel lies above it

    connect(&doc_, &LeagueDocument::groupShown, this, &DetailsArea::showDetails);
    connect(&doc_, &LeagueDocument::selectedTeamChanged, this, &DetailsArea::showDetails);

    lookup_ = new AddressLookup(form, services, *this);
    saved_ = new SavedCodePanel(form, services);
    connect(saved_, &SavedCodePanel::codeChosen, this, [this](const QString& code) {
        if (FieldEdit* zip = edit(team_field::PostalCode)) zip->setText(code);
    });
}

void DetailsArea::buildCaptions() {
    const QRect line = detail_fields::kCaptionLine;
    const LabelStyle big{15};
    makeLabel(this, QStringLiteral("チーム【"), place(QRect(line.x(), line.y(), 64, line.height())), big);
    name_ = makeLabel(this, QString(), place(QRect(line.x() + 64, line.y(), 160, line.height())),
                      LabelStyle{15, Qt::AlignLeft | Qt::AlignVCenter, kBlue}, "Label_SyousaiName");
    nameClose_ = makeLabel(this, QStringLiteral("】の詳細情報"),
                           place(QRect(line.x() + 224, line.y(), 110, line.height())), big);
    for (int i = 0; i < kCount; ++i)
        makeLabel(this, QString::fromUtf8(detail(i).caption), place(detail(i).captionRect), LabelStyle{13});
    makeLabel(this, QStringLiteral("都道府県"), place(detail_fields::kPrefectureCaption), LabelStyle{13});
    prefecture_ = new QLabel(this);
    prefecture_->setObjectName("Label_Kenmei");
    prefecture_->setGeometry(place(detail_fields::kPrefecture));
    prefecture_->setFont(fieldFont());
}

void DetailsArea::buildFields() {
    for (int i = 0; i < kCount; ++i) {
        const DetailField& f = detail(i);
        const QRect frame = place(f.frame);
        frames_[i] = new FramedShape(this, f.shapeName, frame, kSilver, kWhite);
        const QRect inside = frame.adjusted(3, 3, -3, -3);
        QWidget* control = nullptr;
        if (i == kMemo) {
            memo_ = new MemoEdit(this, f.editName, inside, details::kMemoWidth);
            connect(memo_, &MemoEdit::entered, this, [this, i] { Edit_DetailEnter(i); });
            connect(memo_, &MemoEdit::exited, this, [this, i] { Edit_DetailExit(i); });
            connect(memo_, &MemoEdit::keyDown, this,
                    [this, i](int key, Qt::KeyboardModifiers) { Edit_DetailKeyDown(i, key); });
            control = memo_;
        } else {
            auto* e = new FieldEdit(this, f.editName, inside, layouts::width(layouts::Team, f.field));
            connect(e, &FieldEdit::entered, this, [this, i] { Edit_DetailEnter(i); });
            connect(e, &FieldEdit::exited, this, [this, i] { Edit_DetailExit(i); });
            connect(e, &FieldEdit::keyDown, this,
                    [this, i](int key, Qt::KeyboardModifiers) { Edit_DetailKeyDown(i, key); });
            // A text changed after [Enter] wrote it is written again when the field is left.
            connect(e, &QLineEdit::textEdited, this, [this, i] {
                if (editing_ == i) st_.enterCommitted = 0;
            });
            edits_[i] = e;
            control = e;
        }
        control->setFont(fieldFont());
        applyInputKind(control, f.input);
        s_.focus.add(f.focusCode, control);
    }
}

FieldEdit* DetailsArea::edit(int k) const {
    const int i = detail_fields::indexOfField(k);
    return i < 0 ? nullptr : edits_[i];
}

void DetailsArea::showDetails() {
    shownRecordNo_ = m_.detailRecordNo;
    record_ = hasTeam() ? readTeam(s_.dir, shownRecordNo_) : emptyRecord(layouts::get(layouts::Team));
    const std::string name = readResultRecord(s_.dir, m_.termSlotIndex, m_.currentRecordNo).substr(0, kTeamNameWidth);
    name_->setText(fromSjis(trimField(name)));
    name_->adjustSize();
    name_->resize(name_->width(), detail_fields::kCaptionLine.height());
    nameClose_->move(name_->geometry().right() + 1, nameClose_->y());
    showPrefecture(details::fieldBytes(record_, team_field::Prefecture));
    for (int i = 0; i < kCount; ++i) showField(i);
}

void DetailsArea::showField(int i) {
    const std::string stored = details::fieldBytes(record_, detail(i).field);
    // Without a team nothing typed could be kept, so nothing can be typed. Switching the
    // read-only state also switches the input method back on, so the kind goes with it; both
    // are set only when they change, as are the texts: a group switch shows every field.
    const bool readOnly = !hasTeam();
    if (i == kMemo) {
        const QString text = fromSjis(details::memoText(stored));
        if (text != memoShown_ || memo_->toPlainText() != text) {
            memoShown_ = text;
            memo_->showText(memoShown_);
        }
        if (memo_->isReadOnly() != readOnly) {
            memo_->setReadOnly(readOnly);
            applyInputKind(memo_, detail(i).input);
            showOpen(memo_, frames_[i], !readOnly);
        }
        return;
    }
    const QString text = fromSjis(stored);
    if (edits_[i]->text() != text) edits_[i]->setText(text);
    edits_[i]->setCursorPosition(0);
    if (edits_[i]->isReadOnly() != readOnly) {
        edits_[i]->setReadOnly(readOnly);
        applyInputKind(edits_[i], detail(i).input);
        showOpen(edits_[i], frames_[i], !readOnly);
    }
}

void DetailsArea::showPrefecture(const std::string& bytes) {
    prefecture_->setText(fromSjis(bytes));
}

void DetailsArea::closeResultPanel() {
    lookup_->cancelIfOpen();
}

void DetailsArea::focusDetail(int k) {
    const int i = detail_fields::indexOfField(k);
    if (i >= 0) focusField(detail(i).focusCode);
}

void DetailsArea::backToTeamName() {
    focusField(focus::teamName(m_.selectedRow + 1));
}

std::string DetailsArea::typedBytes(int k) const {
    const QString text = edit(k)->text();
    const std::string stored = details::fieldBytes(record_, k);
    // A field left as it was shown keeps its bytes, even those that show as no character.
    if (text == fromSjis(details::trimForEditing(stored)) || text == fromSjis(stored))
        return details::singleLineField(k, details::trimForEditing(stored));
    return details::singleLineField(k, toSjis(text));
}

bool DetailsArea::storeField(int k, const std::string& bytes) {
    if (!hasTeam()) return true;
    if (shownRecordNo_ != m_.detailRecordNo) {
        shownRecordNo_ = m_.detailRecordNo;
        record_ = readTeam(s_.dir, shownRecordNo_);
    }
    if (bytes == details::fieldBytes(record_, k)) return true;
    if (!doc_.writeDetail(shownRecordNo_, k, bytes)) {
        // Nothing was stored: the field shows what the file holds, never the text that was lost.
        record_ = readTeam(s_.dir, shownRecordNo_);
        showStored(k);
        return false;
    }
    details::putFieldBytes(record_, k, bytes);
    return true;
}

void DetailsArea::showStored(int k) {
    if (k == team_field::Prefecture) {
        showPrefecture(details::fieldBytes(record_, k));
        return;
    }
    const int i = detail_fields::indexOfField(k);
    if (i >= 0) showField(i);
}

void DetailsArea::commitByEnter(int k, bool showFilled) {
    st_.enterCommitted = 1;
    const std::string bytes = typedBytes(k);
    if (showFilled) edit(k)->setText(fromSjis(bytes));
    storeField(k, bytes);
}

void DetailsArea::Edit_DetailEnter(int i) {
    if (s_.refuseWhilePanelOpen()) return;
    s_.help.setManualHint();
    st_.enterCommitted = 0;
    st_.focusCode = detail(i).focusCode;
    editing_ = i;
    if (i != kMemo) {
        FieldEdit* e = edits_[i];
        const QString trimmed = trimmedForEditing(e->text());
        if (trimmed != e->text()) e->setText(trimmed);
    }
    frames_[i]->setPenColor(kRed);
    s_.help.setHelp(QString::fromUtf8(detail(i).help1), QString::fromUtf8(detail(i).help2));
    if (detail(i).field == team_field::PostalCode && hasTeam()) saved_->open();
}

void DetailsArea::Edit_DetailExit(int i) {
    frames_[i]->setPenColor(kSilver);
    const int k = detail(i).field;
    if (k == team_field::PostalCode) saved_->close();
    if (editing_ != i) {
        // A refused field keeps nothing typed into it.
        if (i == kMemo)
            memo_->showText(memoShown_);
        else
            edits_[i]->setText(fromSjis(details::fieldBytes(record_, k)));
        return;
    }
    editing_ = -1;
    if (i == kMemo) {
        writeMemo();
        return;
    }
    // The city is written by [Enter] and by the lookups only.
    if (k == team_field::City || st_.enterCommitted) return;
    const std::string bytes = typedBytes(k);
    edits_[i]->setText(fromSjis(bytes));
    edits_[i]->setCursorPosition(0);
    storeField(k, bytes);
    if (k == team_field::PostalCode) st_.enterCommitted = 1;
}

void DetailsArea::writeMemo() {
    const QString text = memo_->toPlainText();
    // An unchanged memo keeps its bytes exactly, a leading blank included.
    if (text == memoShown_) return;
    const std::string bytes = details::memoField(toSjis(text));
    if (!storeField(team_field::Remarks, bytes)) return;
    // What is shown is what was stored (a memo that began with a line break is not kept).
    memoShown_ = fromSjis(details::memoText(bytes));
    memo_->showText(memoShown_);
}

void DetailsArea::Edit_DetailKeyDown(int i, int key) {
    const int k = detail(i).field;
    auto handled = [this, i] {
        if (i == kMemo)
            memo_->setKeyHandled();
        else
            edits_[i]->setKeyHandled();
    };
    switch (key) {
        case Qt::Key_Home:
            handled();
            if (i == 0)
                backToTeamName();
            else
                focusField(detail(i - 1).focusCode);
            break;
        case Qt::Key_Escape:
            handled();
            emit s_.commands.toggleCommandPanel();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (i == kMemo) break;  // a line break
            handled();
            if (!hasTeam()) {
                focusField(detail(i + 1).focusCode);
            } else if (k == team_field::PostalCode) {
                lookup_->lookupByCode();
            } else if (k == team_field::City) {
                lookup_->lookupByReading();
            } else {
                commitByEnter(k);
                focusField(detail(i + 1).focusCode);
            }
            break;
        case Qt::Key_F9:
            handled();
            backToTeamName();
            break;
        default:
            break;
    }
}
