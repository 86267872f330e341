#include "form/field_edit.h"

#include <QKeyEvent>

#include "store/sjis.h"

FieldEdit::FieldEdit(QWidget* parent, const QString& name, const QRect& geometry, int maxBytes) : QLineEdit(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setFrame(false);
    setMaxBytes(maxBytes);
    connect(this, &QLineEdit::textEdited, this, [this] { enforceByteLimit(); });
}

void FieldEdit::setMaxBytes(int n) {
    maxBytes_ = n;
    enforceByteLimit();
}

void FieldEdit::enforceByteLimit() {
    if (maxBytes_ <= 0) return;
    std::string bytes = sjis::fromUnicode(text().toStdString());
    if (int(bytes.size()) <= maxBytes_) return;
    int cursor = cursorPosition();
    setText(QString::fromStdString(sjis::toUnicode(sjis::cutToWidth(bytes, maxBytes_))));
    setCursorPosition(std::min(cursor, int(text().size())));
}

void FieldEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    emit entered();
}

void FieldEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    emit exited();
}

bool FieldEdit::event(QEvent* e) {
    // Tab and Backtab reach the owner like any other key instead of moving the focus.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
    keyHandled_ = false;
    emit keyDown(e->key(), e->modifiers());
    if (keyHandled_) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
    enforceByteLimit();
}
