#include "app/help_area.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/focus_table.h"
#include "app/form_layout.h"
#include "app/help_text.h"

namespace {
const QString kHintRead = QStringLiteral("説明文内でクリックし↑↓キーでお読みください");
const QString kHintBusy = QStringLiteral("入力中の項目では説明文を読めません");
}  // namespace

HelpArea::HelpArea(QWidget* form, LeagueModel& model, FocusTable& focus) : QObject(form), m_(model), focus_(focus) {
    using namespace form_layout;
    line1_ = new QLabel(form);
    line1_->setObjectName("Label_HelpMsg_01");
    line1_->setGeometry(kHelpLines.x(), kHelpLines.y(), kHelpLines.width(), kHelpLines.height() / 2);
    line2_ = new QLabel(form);
    line2_->setObjectName("Label_HelpMsg_02");
    line2_->setGeometry(kHelpLines.x(), kHelpLines.y() + kHelpLines.height() / 2, kHelpLines.width(),
                        kHelpLines.height() / 2);
    for (QLabel* l : {line1_, line2_}) {
        QFont f = l->font();
        f.setPixelSize(13);
        l->setFont(f);
    }

    memo_ = new QPlainTextEdit(form);
    memo_->setObjectName("Memo1");
    memo_->setGeometry(kHelpMemo);
    memo_->setReadOnly(true);
    memo_->setPlainText(help_text::operatingInstructions());
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Reached by the mouse only; once clicked, ↑ ↓ scroll the text.
    memo_->setFocusPolicy(Qt::ClickFocus);
    memo_->viewport()->installEventFilter(this);
    focus_.add(2820, memo_);

    manual_ = new QLabel(form);
    manual_->setObjectName("Label_Manual");
    manual_->setGeometry(kManualHint);
    manual_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    manual_->setWordWrap(true);  // the reading hint is wider than the memo
}

bool HelpArea::eventFilter(QObject* watched, QEvent* e) {
    if (watched == memo_->viewport() && e->type() == QEvent::MouseButtonRelease) Memo1Click();
    return QObject::eventFilter(watched, e);
}

void HelpArea::Memo1Click() {
    if (m_.panelOpen || m_.sidePanelOpen)
        focus_.restoreFocus();
    else
        m_.focusCode = 2820;
}

void HelpArea::setHelp(const QString& a, const QString& b) {
    line1_->setText(a);
    line2_->setText(b);
}

QString HelpArea::line1() const { return line1_->text(); }
QString HelpArea::line2() const { return line2_->text(); }

void HelpArea::setManualHint() {
    if (m_.manualHint != 0) return;
    m_.manualHint = 1;
    manual_->setText(kHintRead);
}

void HelpArea::clearManualHint() {
    if (m_.manualHint != 1) return;
    m_.manualHint = 0;
    manual_->setText(kHintBusy);
}

void HelpArea::showInitialHint() {
    m_.manualHint = 0;
    manual_->setText(kHintBusy);
}
