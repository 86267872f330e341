#include "form/timed_messages.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "form/focus_table.h"
#include "form/form_colors.h"
#include "form/form_layout.h"
#include "form/label_factory.h"
#include "form/save_failure_text.h"

namespace {
constexpr int kFormWidth = form_layout::kFormWidth;
constexpr int kMessageWidth = 420;
constexpr int kMessageHeight = 40;
constexpr int kTextMargin = 40;
constexpr int kFirstTick = 100;
constexpr int kShowFor = 2000;
constexpr int kShowFailureFor = 4000;   // a failed save is worth a longer look
constexpr int kReadPerCharacter = 150;  // a long message stays until it can be read,
constexpr int kShowLongestFor = 15000;  // but does not cover the screen for long

int readingTime(const QString& text) {
    return std::clamp(int(text.size()) * kReadPerCharacter, kShowFailureFor, kShowLongestFor);
}

QFrame* messagePanel(QWidget* form, const char* name, int width, const QString& text, QLabel** label = nullptr) {
    QFrame* panel =
        makeRaisedPanel(form, QString::fromLatin1(name),
                        QRect(form_layout::kMessagePanel, QSize(width, kMessageHeight)), form_colors::kWhite);
    QLabel* l = makeLabel(panel, text, panel->rect(),
                          LabelStyle{15, Qt::AlignCenter, form_colors::kRed, QColor(), true, QString()},
                          QString(name) + "_Text");
    if (label) *label = l;
    return panel;
}

QTimer* messageTimer(QObject* owner, const char* name) {
    auto* t = new QTimer(owner);
    t->setObjectName(name);
    t->setInterval(kFirstTick);
    t->stop();
    return t;
}
}  // namespace

TimedMessages::TimedMessages(QWidget* form, FocusTable& focus)
    : QObject(form),
      focus_(focus),
      errTimer_(messageTimer(form, "Timer_ErrMsg")),
      notDeleteTimer_(messageTimer(form, "Timer_NotDelete")),
      saveErrTimer_(messageTimer(form, "Timer_SaveErr")),
      openErr_(
          messagePanel(form, "Panel_OpenErr", kMessageWidth, QStringLiteral("■パネルが開いた状態では操作できません■"))),
      notDelete_(messagePanel(form, "Panel_NotDelete", kMessageWidth,
                              QStringLiteral("■２回削除はできません。一度終了させてください■"))),
      saveErr_(messagePanel(form, "Panel_SaveErr", 560, QString(), &saveErrText_)) {
    saveErrText_->setWordWrap(true);
    saveErr_->move(form_layout::kMessagePanel.x() - 70, form_layout::kMessagePanel.y() + 48);
    connect(errTimer_, &QTimer::timeout, this, &TimedMessages::Timer_ErrMsgTimer);
    connect(notDeleteTimer_, &QTimer::timeout, this, &TimedMessages::Timer_NotDeleteTimer);
    connect(saveErrTimer_, &QTimer::timeout, this, &TimedMessages::Timer_SaveErrTimer);
}

void TimedMessages::start(QTimer* timer) {
    timer->setInterval(kFirstTick);
    timer->start();
}

void TimedMessages::showPanelOpenMessage() {
    start(errTimer_);
}

void TimedMessages::showNotDeleteMessage() {
    start(notDeleteTimer_);
}

void TimedMessages::showSaveFailure(const SaveResult& r) {
    showMessage(saveFailureText(r));
}

void TimedMessages::showMessage(const QString& text) {
    saveErrText_->setText(text);
    saveErrShowFor_ = readingTime(text);
    // The panel is as wide as its text, centred on the form, so that a long file name is read
    // whole; a text wider than the form goes on over more lines.
    const QFontMetrics metrics = saveErrText_->fontMetrics();
    const int width = std::clamp(metrics.horizontalAdvance(text) + 40, 420, kFormWidth - 20);
    const QRect textRect = QRect(0, 0, width, 0).adjusted(10, 0, -10, 0);
    const int lines = metrics.boundingRect(textRect, Qt::TextWordWrap, text).height();
    const int height = std::max(40, lines + 18);
    saveErr_->setGeometry(QRect((kFormWidth - width) / 2, saveErr_->y(), width, height));
    saveErrText_->setGeometry(textRect.adjusted(0, 0, 0, height));
    // A message already showing stays up for its full time with the new text.
    if (saveErr_->isVisible()) {
        saveErrTimer_->setInterval(saveErrShowFor_);
        saveErrTimer_->start();
        return;
    }
    start(saveErrTimer_);
}

QString TimedMessages::messageText() const {
    return saveErrText_->text();
}

void TimedMessages::cancelPanelOpenMessage() {
    if (openErr_->isVisible()) return;
    errTimer_->stop();
    errTimer_->setInterval(kFirstTick);
}

void TimedMessages::Timer_ErrMsgTimer() {
    tick(errTimer_, openErr_, kShowFor);
}
void TimedMessages::Timer_NotDeleteTimer() {
    tick(notDeleteTimer_, notDelete_, kShowFor);
}
void TimedMessages::Timer_SaveErrTimer() {
    tick(saveErrTimer_, saveErr_, saveErrShowFor_);
}

void TimedMessages::tick(QTimer* timer, QFrame* panel, int showFor) {
    if (!panel->isVisible()) {
        panel->raise();
        panel->show();
        timer->setInterval(showFor);
        focus_.restoreFocus();
    } else {
        timer->setInterval(kFirstTick);
        timer->stop();
        panel->hide();
        focus_.restoreFocus();
    }
}
