#include "standings/ui/header_line.h"

#include <QLabel>

#include "form/click_label.h"
#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"
#include "form/label_factory.h"
#include "form/sjis_text.h"
#include "standings/term_choice.h"
#include "standings/ui/term_panels.h"
#include "store/calendar.h"
#include "store/results_file.h"
#include "store/settings_files.h"
#include "store/text_ops.h"

using namespace form_colors;

namespace {
constexpr int kTop = 8;
constexpr int kHeight = 22;

QLabel* caption(QWidget* parent, const QString& text, int x, int width, int px) {
    return makeLabel(parent, text, QRect(x, kTop, width, kHeight), LabelStyle{px});
}

bool confirmsField(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
}
}  // namespace

HeaderLine::HeaderLine(QWidget* form, FormServices& services) : QObject(form), ScreenArea(services) {
    QFont big = form->font();
    big.setPixelSize(15);

    caption(form, QStringLiteral("平成"), 10, 32, 15);
    yearFrame_ = new FramedShape(form, "Shape_Year", QRect(42, kTop - 2, 30, kHeight + 4), kSilver, kWhite);
    yearEdit_ = new FieldEdit(form, "Edit_Year", QRect(45, kTop, 24, kHeight), 2);
    yearEdit_->setFont(big);
    yearEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    yearEdit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    caption(form, QStringLiteral("年度"), 76, 32, 15);
    gregorianYear_ = makeLabel(form, QString(), QRect(108, kTop, 40, kHeight),
                               LabelStyle{11, Qt::AlignLeft | Qt::AlignVCenter, kGray}, "Label_GregorianYear");

    zenkiFrame_ = new FramedShape(form, "Shape_Zenki", QRect(150, kTop - 2, 44, kHeight + 4), kSilver, kWhite);
    zenki_ = new ClickLabel(form, "Label_Zenki", QStringLiteral("前期"), QRect(152, kTop, 40, kHeight));
    koukiFrame_ = new FramedShape(form, "Shape_Kouki", QRect(198, kTop - 2, 44, kHeight + 4), kSilver, kWhite);
    kouki_ = new ClickLabel(form, "Label_Kouki", QStringLiteral("後期"), QRect(200, kTop, 40, kHeight));
    for (ClickLabel* l : {zenki_, kouki_}) {
        l->setFont(big);
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(Qt::PointingHandCursor);
    }

    caption(form, QStringLiteral("クラブ名"), 262, 60, 15);
    userNameFrame_ = new FramedShape(form, "Shape_UserName", QRect(326, kTop - 2, 300, kHeight + 4), kSilver, kWhite);
    userNameEdit_ = new FieldEdit(form, "Edit_UserName", QRect(329, kTop, 294, kHeight), kUserNameWidth);
    userNameEdit_->setFont(big);

    caption(form, QStringLiteral("全"), 650, 16, 15);
    const LabelStyle count{15, Qt::AlignRight | Qt::AlignVCenter};
    teamCount_ = makeLabel(form, QString(), QRect(666, kTop, 30, kHeight), count, "Label_TeamDs");
    caption(form, QStringLiteral("チーム　休会"), 698, 96, 15);
    suspendedCount_ = makeLabel(form, QString(), QRect(794, kTop, 30, kHeight), count, "Label_KyuusiDs");
    caption(form, QStringLiteral("チーム"), 826, 50, 15);

    s_.focus.add(focus::Year, yearEdit_);
    s_.focus.add(focus::UserName, userNameEdit_);
    connect(zenki_, &ClickLabel::clicked, this, &HeaderLine::Label_ZenkiClick);
    connect(kouki_, &ClickLabel::clicked, this, &HeaderLine::Label_KoukiClick);
    connect(yearEdit_, &FieldEdit::entered, this, &HeaderLine::Edit_YearEnter);
    connect(yearEdit_, &FieldEdit::exited, this, &HeaderLine::Edit_YearExit);
    connect(yearEdit_, &FieldEdit::keyDown, this, [this](int key, Qt::KeyboardModifiers) { Edit_YearKeyDown(key); });
    connect(yearEdit_, &QLineEdit::textChanged, this, [this] { showGregorianYear(); });
    connect(yearEdit_, &QLineEdit::textEdited, this, [this] { yearConfirmedByKey_ = false; });
    connect(userNameEdit_, &FieldEdit::entered, this, &HeaderLine::Edit_UserNameEnter);
    connect(userNameEdit_, &FieldEdit::exited, this, &HeaderLine::Edit_UserNameExit);
    connect(userNameEdit_, &FieldEdit::keyDown, this,
            [this](int key, Qt::KeyboardModifiers) { Edit_UserNameKeyDown(key); });

    panels_ = new TermPanels(form, s_, *this);

    connect(&doc_, &LeagueDocument::leagueReloaded, this, &HeaderLine::refresh);
    connect(&doc_, &LeagueDocument::termChanged, this, &HeaderLine::showShownTerm);
    connect(&doc_, &LeagueDocument::halfChosen, this, &HeaderLine::showTermFrames);
    connect(&doc_, &LeagueDocument::countsChanged, this, &HeaderLine::showCounts);
}

void HeaderLine::refresh() {
    yearEdit_->setText(QString::fromStdString(m_.yearFieldText));
    userNameEdit_->setText(fromSjis(trimField(m_.userName)));
    userNameEdit_->home(false);
    showTermFrames();
    showCounts();
}

void HeaderLine::showShownTerm() {
    yearEdit_->setText(QString::fromStdString(m_.yearFieldText));
    showTermFrames();
}

void HeaderLine::showGregorianYear() {
    int year = int(parseLong(yearEdit_->text().toStdString()));
    gregorianYear_->setText(year > 0 ? QStringLiteral("(%1)").arg(gregorianYear(year)) : QString());
}

void HeaderLine::colourCaptionsByToday() {
    zenki_->setTextColor(m_.todayHalf == 0 ? kBlack : kGray);
    kouki_->setTextColor(m_.todayHalf == 1 ? kBlack : kGray);
}

void HeaderLine::showTermFrames() {
    zenkiFrame_->setPenColor(m_.termHalf == 0 ? kRed : kSilver);
    koukiFrame_->setPenColor(m_.termHalf == 1 ? kRed : kSilver);
}

void HeaderLine::showCounts() {
    teamCount_->setText(QString::number(m_.termTeamCount));
    suspendedCount_->setText(QString::number(m_.suspendedCount));
}

// The half changes only in the marks; the shown term follows when the year is confirmed.
void HeaderLine::chooseHalf(int half) {
    if (st_.anyPanelOpen()) return;
    doc_.chooseHalf(half);
    yearEdit_->setFocus();
}

void HeaderLine::Label_ZenkiClick() {
    chooseHalf(0);
}
void HeaderLine::Label_KoukiClick() {
    chooseHalf(1);
}

void HeaderLine::Edit_YearEnter() {
    if (s_.refuseWhilePanelOpen()) return;
    s_.help.clearManualHint();
    st_.focusCode = focus::Year;
    yearConfirmedByKey_ = false;
    yearEdit_->setText(QString::fromStdString(yearTextOnEntry(m_, yearEdit_->text().toStdString())));
    yearEdit_->selectAll();
    yearFrame_->setPenColor(kRed);
    s_.help.setHelp(QStringLiteral("表示する節の年度（平成）を入力し[Enter]キーを押してください．"
                                   "前期・後期は文字をクリックして選びます．"),
                    QStringLiteral("入力できるのは今年度と前年度です．[ESC]キーでコマンドパネルを開きます．"));
}

void HeaderLine::Edit_YearExit() {
    yearFrame_->setPenColor(kSilver);
    if (st_.anyPanelOpen() || yearConfirmedByKey_) return;
    // Leaving without a key confirms only when the field was really entered.
    if (st_.focusCode != focus::Year) return;
    confirmYear(false);
}

void HeaderLine::Edit_YearKeyDown(int key) {
    if (key == Qt::Key_Escape) {
        yearEdit_->setKeyHandled();
        emit s_.commands.toggleCommandPanel();
    } else if (confirmsField(key)) {
        yearEdit_->setKeyHandled();
        yearConfirmedByKey_ = true;
        confirmYear(true);
    }
}

// A year confirmed by a key moves on to the club name; one confirmed by leaving the field
// leaves the focus where the user put it.
void HeaderLine::confirmYear(bool byKey) {
    const YearChoice c = ::confirmYear(m_, yearEdit_->text().toStdString());
    yearEdit_->setText(QString::fromStdString(c.fieldText));
    if (!c.accepted) return;
    const TermSearch found = findTerm(s_.dir, c.key);
    switch (found.lookup) {
        case TermLookup::Found:
            doc_.showTerm(found.slot, c.fieldText);
            if (byKey) {
                st_.focusCode = focus::UserName;
                s_.focus.restoreFocus();
            }
            break;
        case TermLookup::NoTermStored:
            panels_->ShowFirstUsePanel();
            break;
        case TermLookup::NotFound:
            panels_->ShowNewTermPanel();
            break;
    }
}

void HeaderLine::Edit_UserNameEnter() {
    if (s_.refuseWhilePanelOpen()) return;
    s_.help.clearManualHint();
    st_.focusCode = focus::UserName;
    userNameEntered_ = true;
    userNameEdit_->setText(userNameEdit_->text().trimmed());
    userNameFrame_->setPenColor(kRed);
    s_.help.setHelp(QStringLiteral("クラブ名（すべての級・部を運営する団体の名前）を全角20文字以内で入力し"
                                   "[Enter]キーを押してください．"),
                    QStringLiteral("[Enter]キーで[級]の入力に移ります．[ESC]キーでコマンドパネルを開きます．"));
}

void HeaderLine::Edit_UserNameExit() {
    if (!userNameEntered_) return;
    confirmUserName();
    userNameFrame_->setPenColor(kSilver);
}

void HeaderLine::Edit_UserNameKeyDown(int key) {
    if (key == Qt::Key_Escape) {
        userNameEdit_->setKeyHandled();
        emit s_.commands.toggleCommandPanel();
    } else if (confirmsField(key)) {
        userNameEdit_->setKeyHandled();
        confirmUserName();
        st_.focusCode = focus::classBox(1);
        s_.focus.restoreFocus();
    } else if (key == Qt::Key_Home || key == Qt::Key_Up) {
        userNameEdit_->setKeyHandled();
        confirmUserName();
        st_.focusCode = focus::Year;
        s_.focus.restoreFocus();
    }
}

void HeaderLine::confirmUserName() {
    // A name that could not be kept is not shown as if it were.
    doc_.setUserName(padField(toSjis(userNameEdit_->text()), false, kUserNameWidth));
    userNameEdit_->setText(fromSjis(trimField(m_.userName)));
}

void HeaderLine::confirmUserNameIfEdited() {
    if (userNameEntered_ && userNameEdit_->hasFocus()) confirmUserName();
}
