#include "form/hidden_key_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTimer>

namespace {

bool isModifierOnly(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_CapsLock;
}

// A key that types a character: meant for a field, never for a panel's choices.
bool typesCharacter(const QKeyEvent* k) {
    const QString t = k->text();
    return !t.isEmpty() && t.at(0).isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace

HiddenKeyBox::HiddenKeyBox(QWidget* parent, const QString& name)
    : FieldEdit(parent, name, QRect(0, 0, 1, 1), 1), hold_(new QTimer(this)) {
    setStyleSheet("background: transparent; color: transparent; border: none;");
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setReadOnly(true);
    setTabMovesOn(false);
    hold_->setObjectName("Timer_PanelKeys");
    hold_->setSingleShot(true);
    hold_->setInterval(kHoldMs);
    connect(hold_, &QTimer::timeout, this, &HiddenKeyBox::releaseKeys);
}

void HiddenKeyBox::holdKeys() {
    guarded_ = true;
    holding_ = true;
    hold_->start();
}

void HiddenKeyBox::releaseKeys() {
    hold_->stop();
    holding_ = false;
}

bool HiddenKeyBox::event(QEvent* e) {
    bool typed = false;
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (isModifierOnly(k->key())) return FieldEdit::event(e);
        typed = typesCharacter(k);
    } else if (e->type() == QEvent::InputMethod) {
        typed = !static_cast<QInputMethodEvent*>(e)->commitString().isEmpty();
    } else if (e->type() == QEvent::ShortcutOverride) {
        // While held, no key may become a shortcut either.
        if (holding_) {
            e->accept();
            return true;
        }
        return FieldEdit::event(e);
    } else {
        return FieldEdit::event(e);
    }
    // Typing meant for a field holds the panel's keys again, even once they were released.
    if (typed && guarded_) {
        holdKeys();
        emit typingDropped();
    }
    if (!holding_) return FieldEdit::event(e);
    e->accept();
    return true;
}
