#include "support/form_fixture.h"

#include <QFrame>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>

#include "form/form_services.h"
#include "form/league_document.h"
#include "form/timed_messages.h"

LeagueModel& modelForTesting(LeagueDocument& d) {
    return d.m_;
}

void FormTest::SetUp() {
    setClockForTesting(today_);
    prepareFiles();
    startForm();
}

void FormTest::TearDown() {
    closeForm();
    setClockForTesting(std::nullopt);
}

void FormTest::startForm() {
    setClockForTesting(today_);
    form_ = std::make_unique<TBaseBall>(QString::fromStdString(folder_.root()));
    form_->show();
    form_->activateWindow();
    QApplication::setActiveWindow(form_.get());
    QApplication::processEvents();
}

void FormTest::closeForm() {
    if (!form_) return;
    form_->close();
    form_.reset();
    QApplication::processEvents();
}

LeagueModel& FormTest::changeModel() const {
    return modelForTesting(form_->document());
}

QString FormTest::focusName() const {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

QString FormTest::recordedFocus() const {
    QWidget* w = form_->services().focus.field(form_->state().focusCode);
    return w ? w->objectName() : QStringLiteral("(no field %1)").arg(form_->state().focusCode);
}

void FormTest::key(int qtKey, Qt::KeyboardModifiers mods) {
    QTest::keyClick(form_->windowHandle(), Qt::Key(qtKey), mods);
    QApplication::processEvents();
}

void FormTest::click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
    QApplication::processEvents();
}

void FormTest::typeText(const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &commit);
    QApplication::processEvents();
}

QString FormTest::shownMessage() {
    QTimer* timer = form_->messages().saveErrorTimer();
    if (!timer->isActive()) return QString();
    QMetaObject::invokeMethod(timer, "timeout");
    return child<QFrame>("Panel_SaveErr")->isVisible() ? form_->messages().messageText() : QString();
}

void FormTest::releasePanelKeys() {
    for (QTimer* t : form_->findChildren<QTimer*>("Timer_PanelKeys"))
        if (t->isActive()) QMetaObject::invokeMethod(t, "timeout");
    QApplication::processEvents();
}
