#include "form/help_area.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "form/focus_codes.h"
#include "form/focus_table.h"
#include "form/form_layout.h"
#include "form/label_factory.h"

namespace {
const QString kHintRead = QStringLiteral("説明文内でクリックし↑↓キーでお読みください");
const QString kHintBusy = QStringLiteral("入力中の項目では説明文を読めません");
}  // namespace

HelpArea::HelpArea(QWidget* form, FormState& state, FocusTable& focus, const QString& instructions)
    : QObject(form), st_(state), focus_(focus) {
    using namespace form_layout;
    const int half = kHelpLines.height() / 2;
    line1_ = makeLabel(form, QString(), QRect(kHelpLines.x(), kHelpLines.y(), kHelpLines.width(), half), LabelStyle{13},
                       "Label_HelpMsg_01");
    line2_ = makeLabel(form, QString(), QRect(kHelpLines.x(), kHelpLines.y() + half, kHelpLines.width(), half),
                       LabelStyle{13}, "Label_HelpMsg_02");

    memo_ = new QPlainTextEdit(form);
    memo_->setObjectName("Memo1");
    memo_->setGeometry(kHelpMemo);
    memo_->setReadOnly(true);
    memo_->setPlainText(instructions);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Reached by the mouse only; once clicked, ↑ ↓ scroll the text.
    memo_->setFocusPolicy(Qt::ClickFocus);
    memo_->viewport()->installEventFilter(this);
    focus_.add(focus::HelpMemo, memo_);

    // One line: the longer hint is sized to fit the memo's width.
    manual_ = makeLabel(form, QString(), kManualHint, LabelStyle{11, Qt::AlignLeft | Qt::AlignVCenter}, "Label_Manual");

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // The window losing the focus changes no field. A field that moves the focus on while
        // it is being left (a panel opening) makes Qt report the same new field twice.
        if (!now || now == lastFocused_) return;
        lastFocused_ = now;
        focusChanged();
    });
}

bool HelpArea::eventFilter(QObject* watched, QEvent* e) {
    if (watched == memo_->viewport() && e->type() == QEvent::MouseButtonRelease) Memo1Click();
    return QObject::eventFilter(watched, e);
}

void HelpArea::focusChanged() {
    // The field's entry handler runs on the same change; if it set no lines, clear them.
    if (!helpSetSinceFocusChange_) showLines(QString(), QString());
    helpSetSinceFocusChange_ = false;
}

void HelpArea::Memo1Click() {
    if (st_.anyPanelOpen())
        focus_.restoreFocus();
    else
        st_.focusCode = focus::HelpMemo;
}

void HelpArea::setHelp(const QString& a, const QString& b) {
    helpSetSinceFocusChange_ = true;
    showLines(a, b);
}

void HelpArea::setPointerHelp(const QString& a, const QString& b) {
    showLines(a, b);
}

void HelpArea::showLines(const QString& a, const QString& b) {
    if (line1_->text() != a) line1_->setText(a);
    if (line2_->text() != b) line2_->setText(b);
}

QString HelpArea::line1() const {
    return line1_->text();
}
QString HelpArea::line2() const {
    return line2_->text();
}
QString HelpArea::manualHintText() const {
    return manual_->text();
}

void HelpArea::setManualHint() {
    if (st_.manualHint != 0) return;
    st_.manualHint = 1;
    manual_->setText(kHintRead);
}

void HelpArea::clearManualHint() {
    if (st_.manualHint != 1) return;
    st_.manualHint = 0;
    manual_->setText(kHintBusy);
}

void HelpArea::showInitialHint() {
    st_.manualHint = 0;
    manual_->setText(kHintBusy);
}
