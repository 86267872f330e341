#include "app/timed_messages.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "app/focus_table.h"
#include "app/form_layout.h"
#include "form/form_colors.h"

namespace {
constexpr int kFirstTick = 100;
constexpr int kShowFor = 2000;

void addMessageText(QFrame* panel, const QString& text) {
    auto* l = new QLabel(text, panel);
    l->setObjectName(panel->objectName() + "_Text");
    QFont f = l->font();
    f.setPixelSize(15);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, form_colors::kRed);
    l->setPalette(p);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(panel->rect());
    QPalette pp = panel->palette();
    pp.setColor(QPalette::Window, QColor(255, 255, 255));
    panel->setPalette(pp);
}
}  // namespace

TimedMessages::TimedMessages(QWidget* form, FocusTable& focus, QTimer* errTimer, QTimer* notDeleteTimer)
    : QObject(form),
      focus_(focus),
      errTimer_(errTimer),
      notDeleteTimer_(notDeleteTimer),
      openErr_(form->findChild<QFrame*>("Panel_OpenErr")),
      notDelete_(form->findChild<QFrame*>("Panel_NotDelete")) {
    addMessageText(openErr_, QStringLiteral("■パネルが開いた状態では操作できません■"));
    addMessageText(notDelete_, QStringLiteral("■２回削除はできません。一度終了させてください■"));
    connect(errTimer_, &QTimer::timeout, this, &TimedMessages::Timer_ErrMsgTimer);
    connect(notDeleteTimer_, &QTimer::timeout, this, &TimedMessages::Timer_NotDeleteTimer);
}

void TimedMessages::showPanelOpenMessage() {
    errTimer_->setInterval(kFirstTick);
    errTimer_->start();
}

void TimedMessages::showNotDeleteMessage() {
    notDeleteTimer_->setInterval(kFirstTick);
    notDeleteTimer_->start();
}

void TimedMessages::cancelPanelOpenMessage() {
    if (openErr_->isVisible()) return;
    errTimer_->stop();
    errTimer_->setInterval(kFirstTick);
}

void TimedMessages::Timer_ErrMsgTimer() { tick(errTimer_, openErr_); }
void TimedMessages::Timer_NotDeleteTimer() { tick(notDeleteTimer_, notDelete_); }

void TimedMessages::tick(QTimer* timer, QFrame* panel) {
    if (!panel->isVisible()) {
        panel->move(form_layout::kMessagePanel);
        panel->raise();
        panel->show();
        timer->setInterval(kShowFor);
        focus_.restoreFocus();
    } else {
        timer->setInterval(kFirstTick);
        timer->stop();
        panel->hide();
        focus_.restoreFocus();
    }
}
