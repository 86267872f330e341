#include "standings/ui/term_panels.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "form/choice_buttons.h"
#include "form/click_label.h"
#include "form/field_edit.h"
#include "form/focus_codes.h"
#include "form/form_colors.h"
#include "form/hidden_key_box.h"
#include "form/label_factory.h"
#include "standings/ui/header_line.h"
#include "store/results_file.h"
#include "store/text_ops.h"

namespace {

constexpr int kLineHeight = 20;

const QString kChoiceHelp = QStringLiteral("[←][→]キーで選び[Enter]キーで決めることもできます．");

QLabel* text(QWidget* panel, const QString& t, int x, int y, int w = 440, int px = 14) {
    return makeLabel(panel, t, QRect(x, y, w, kLineHeight), LabelStyle{px});
}

QString half(int h) {
    return QString::fromUtf8(halfCaption(h));
}

void title(QWidget* panel, const QString& t) {
    makeLabel(panel, t, QRect(20, 14, 300, kLineHeight),
              LabelStyle{18, Qt::AlignLeft | Qt::AlignVCenter, QColor(), QColor(), true});
}

// Lines of fixed text one under another; returns the top of the next line.
int textLines(QWidget* panel, std::initializer_list<const char*> lines, int x, int y) {
    for (const char* line : lines) {
        text(panel, QString::fromUtf8(line), x, y);
        y += 22;
    }
    return y;
}

}  // namespace

TermPanels::TermPanels(QWidget* form, FormServices& services, HeaderLine& header)
    : QObject(form), ScreenArea(services), header_(header) {
    buildFirstUsePanel(form);
    buildNewTermPanel(form);
}

// The hidden key box of a panel: it takes the panel's focus number and hands its keys to
// the panel's choices.
HiddenKeyBox* TermPanels::keyBox(QFrame* panel, const char* name, int code, ChoiceButtons* choices,
                                 const QString& help1) {
    auto* box = new HiddenKeyBox(panel, name);
    s_.focus.add(code, box);
    connect(box, &FieldEdit::entered, this, [this, code, help1] {
        st_.focusCode = code;
        s_.help.setHelp(help1, kChoiceHelp);
    });
    // Typing meant for a field is told that a panel has the keys (once while the message shows).
    connect(box, &HiddenKeyBox::typingDropped, this, [this] {
        if (!s_.messages.errorTimer()->isActive()) s_.messages.showPanelOpenMessage();
    });
    connect(box, &FieldEdit::keyDown, this, [box, choices](int key, Qt::KeyboardModifiers) {
        box->setKeyHandled();
        choices->handleKey(key);
    });
    return box;
}

void TermPanels::buildFirstUsePanel(QWidget* form) {
    firstUse_ = makeOverlayPanel(form, "Panel_NotData", QRect(240, 120, 520, 420));
    QFrame* p = firstUse_;
    title(p, QStringLiteral("初めてのご利用"));
    int y = textLines(p,
                      {"初めてのご利用になります。グループ名や", "チーム名、チーム情報などを入力して、成績",
                       "を付ける準備をしてください。"},
                      30, 46);
    y = textLines(p,
                  {"●登録可能グループ数　20 グループ", "●登録可能チーム数　200 チーム", "　　各グループ 最大 10チーム",
                   "●成績保存年数  5年　（10節）"},
                  40, y + 8);
    y += 6;
    text(p, QStringLiteral("前期：4月～9月　後期：10月～翌3月"), 40, y);
    y += 32;
    QLabel* heisei = text(p, QStringLiteral("平成"), 0, 0, 40, 16);
    firstUseYear_ = text(p, QString(), 0, 0, 30, 16);
    firstUseYear_->setObjectName("Label_Panel_NotDataYear");
    QLabel* nen = text(p, QStringLiteral("年"), 0, 0, 20, 16);
    firstUseHalf_ = new ClickLabel(p, "Label_Panel_NotDataZenkiKouki", half(0), QRect(0, 0, 40, kLineHeight));
    QFont hf = firstUseHalf_->font();
    hf.setPixelSize(16);
    hf.setUnderline(true);
    firstUseHalf_->setFont(hf);
    firstUseHalf_->setTextColor(form_colors::kRed);
    firstUseHalf_->setCursor(Qt::PointingHandCursor);
    QLabel* rest = text(p, QStringLiteral("から成績を入力することになります。"), 0, 0, 300, 16);
    firstUseLine_ = {{heisei, firstUseYear_, nen, firstUseHalf_, rest}, QPoint(30, y)};
    firstUseLine_.reflow();
    connect(firstUseHalf_, &ClickLabel::clicked, this, &TermPanels::Label_Panel_NotDataZenkiKoukiClick);
    y += 34;
    for (const char* line : {"年度が違っていれば F9 を押してください", "前期・後期の修正は前期・後期の文字部分",
                             "でクリックして変更して下さい。"}) {
        text(p, QString::fromUtf8(line), 30, y);
        y += 22;
    }
    firstUseChoices_ = new ChoiceButtons(
        p, {{"Label134", "F1", "Label138", "O.K.", QRect(60, 370, 160, 30)},
            {"Label197", "F9", "Label198", QStringLiteral("年度を修正する"), QRect(280, 370, 180, 30)}});
    connect(firstUseChoices_, &ChoiceButtons::chosen, this, [this](int i) { ConfirmFirstTerm(i == 0); });

    firstUseKey_ = keyBox(p, "Edit_Panel_NotDataCommand", focus::FirstUseKey, firstUseChoices_,
                          QStringLiteral("この節から成績を付けるときは[F1]キー(O.K.)を、年度を直すときは"
                                         "[F9]キーを押してください．"));
}

void TermPanels::buildNewTermPanel(QWidget* form) {
    newTerm_ = makeOverlayPanel(form, "Panel_NewData", QRect(240, 140, 520, 360));
    QFrame* p = newTerm_;
    title(p, QStringLiteral("新しい節の成績です"));
    int y = textLines(p,
                      {"新しい節の成績を入力されようとしています", "が、まだチームの入れ替えができていません。",
                       "F1 キーでチームの入替の画面に切り替わりま", "す。入力された年が間違いないかどうか確認",
                       "して間違いないようでしたら  F1 キーを押し", "てください。"},
                      30, 50);
    y += 12;
    text(p, QStringLiteral("登録済みの最後の成績は"), 30, y);
    y += 24;
    newestYear_ = text(p, QString(), 0, 0, 30, 16);
    newestYear_->setObjectName("Label_Panel_NewDataLastYear");
    newestHalf_ = text(p, QString(), 0, 0, 40, 16);
    newestHalf_->setObjectName("Label_Panel_NewDataLastHalf");
    newestLine_ = {
        {text(p, QStringLiteral("平成"), 0, 0, 40, 16), newestYear_, text(p, QStringLiteral("年"), 0, 0, 20, 16),
         newestHalf_, text(p, QStringLiteral("ですので、次の成績は"), 0, 0, 200, 14)},
        QPoint(50, y)};
    y += 26;
    nextYear_ = text(p, QString(), 0, 0, 30, 16);
    nextYear_->setObjectName("Label_Panel_NewDataNextYear");
    nextHalf_ = text(p, QString(), 0, 0, 40, 16);
    nextHalf_->setObjectName("Label_Panel_NewDataNextHalf");
    for (QLabel* l : {nextYear_, nextHalf_}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, form_colors::kRed);
        l->setPalette(pal);
    }
    nextLine_ = {{text(p, QStringLiteral("平成"), 0, 0, 40, 16), nextYear_, text(p, QStringLiteral("年"), 0, 0, 20, 16),
                  nextHalf_, text(p, QStringLiteral("となります。"), 0, 0, 200, 14)},
                 QPoint(50, y)};
    newTermChoices_ = new ChoiceButtons(
        p, {{"Label165", "F1", "Label191", QStringLiteral("チームの入替をする"), QRect(40, 310, 210, 30)},
            {"Label194", "F9", "Label196", QStringLiteral("年度を修正する"), QRect(280, 310, 190, 30)}});
    connect(newTermChoices_, &ChoiceButtons::chosen, this, [this](int i) { AnswerNewTermPanel(i == 0); });

    newTermKey_ = keyBox(p, "Edit_Panel_NewDataCommand", focus::NewTermKey, newTermChoices_,
                         QStringLiteral("チームの入替の画面へ進むときは[F1]キーを、年度を直すときは"
                                        "[F9]キーを押してください．"));
}

void LabelLine::reflow() {
    int x = origin.x();
    for (QLabel* l : labels) {
        l->adjustSize();
        l->move(x, origin.y());
        x += l->width() + 2;
    }
}

// Both panels open on their first choice with the focus in their key box. They open when a
// year is confirmed, also by a click into another field, so keys typed before the user could
// see them are held back.
void TermPanels::openPanel(QFrame* panel, ChoiceButtons* choices, HiddenKeyBox* keyBox, int code) {
    st_.panelOpen = 1;
    choices->select(0);
    raisePanel(panel);
    st_.focusCode = code;
    keyBox->holdKeys();
    keyBox->setFocus();
}

void TermPanels::closePanel(QFrame* panel, HiddenKeyBox* keyBox) {
    st_.panelOpen = 0;
    s_.messages.cancelPanelOpenMessage();
    if (keyBox->hasFocus()) keyBox->clearFocus();
    panel->hide();
}

void TermPanels::ShowFirstUsePanel() {
    firstUseYear_->setText(header_.yearEdit()->text().trimmed());
    firstUseHalf_->setText(half(m_.termHalf));
    firstUseLine_.reflow();
    openPanel(firstUse_, firstUseChoices_, firstUseKey_, focus::FirstUseKey);
}

void TermPanels::Label_Panel_NotDataZenkiKoukiClick() {
    doc_.chooseHalf(m_.termHalf == 1 ? 0 : 1);
    firstUseHalf_->setText(half(m_.termHalf));
    firstUseLine_.reflow();
    firstUseKey_->setFocus();
}

void TermPanels::ConfirmFirstTerm(bool ok) {
    closePanel(firstUse_, firstUseKey_);
    if (!ok) {
        st_.focusCode = focus::Year;
        s_.focus.restoreFocus();
        return;
    }
    doc_.registerFirstTerm(int(parseLong(firstUseYear_->text().toStdString())),
                           firstUseHalf_->text() == half(0) ? 0 : 1);
    st_.focusCode = focus::UserName;
    s_.focus.restoreFocus();
}

void TermPanels::ShowNewTermPanel() {
    const TermName newest = newestStoredTerm(s_.dir);
    offered_ = termAfter(newest);
    newestYear_->setText(QString::fromStdString(formatNumber(newest.year, 2)));
    newestHalf_->setText(half(newest.half));
    nextYear_->setText(QString::fromStdString(formatNumber(offered_.year, 2)));
    nextHalf_->setText(half(offered_.half));
    newestLine_.reflow();
    nextLine_.reflow();
    openPanel(newTerm_, newTermChoices_, newTermKey_, focus::NewTermKey);
}

void TermPanels::AnswerNewTermPanel(bool ok) {
    if (ok) {
        newTerm_->hide();
        doc_.beginNewTerm();
        emit s_.commands.openChangeOver(false);
        return;
    }
    // Without the change-over the header goes back to the term that is shown, so that it
    // never names one term while the table and every click belong to another.
    closePanel(newTerm_, newTermKey_);
    doc_.showShownTermAgain();
    st_.focusCode = focus::Year;
    s_.focus.restoreFocus();
}
