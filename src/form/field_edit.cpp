#include "form/field_edit.h"

#include <QKeyEvent>

#include "store/sjis.h"

namespace {

int sjisBytes(const QString& s) {
    return int(sjis::fromUnicode(s.toStdString()).size());
}

}  // namespace

FieldEdit::FieldEdit(QWidget* parent, const QString& name, const QRect& geometry, int maxBytes) : QLineEdit(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setFrame(false);
    setMaxBytes(maxBytes);
    // textEdited comes before textChanged, so lastText_ still holds the text before the edit.
    connect(this, &QLineEdit::textEdited, this, &FieldEdit::checkEdit);
    connect(this, &QLineEdit::textChanged, this, [this] { lastText_ = text(); });
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

void FieldEdit::checkEdit(const QString& edited) {
    const QString before = lastText_;
    // The edit replaced the middle of the old text: find the unchanged head and tail.
    qsizetype head = 0;
    while (head < before.size() && head < edited.size() && before[head] == edited[head]) ++head;
    if (head > 0 && before[head - 1].isHighSurrogate()) --head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < edited.size() - head &&
           before[before.size() - 1 - tail] == edited[edited.size() - 1 - tail])
        ++tail;
    if (tail > 0 && before[before.size() - tail].isLowSurrogate()) --tail;
    const QString inserted = edited.mid(head, edited.size() - head - tail);

    // A character the data files cannot hold is refused rather than stored as something else.
    QString kept = sjis::encodable(inserted.toStdString()) ? inserted : QString();
    if (maxBytes_ > 0) {
        int room = maxBytes_ - sjisBytes(before.left(head)) - sjisBytes(before.right(tail));
        qsizetype n = 0;
        while (n < kept.size()) {
            const qsizetype len = kept[n].isHighSurrogate() && n + 1 < kept.size() ? 2 : 1;
            const int bytes = sjisBytes(kept.mid(n, len));
            if (bytes > room) break;
            room -= bytes;
            n += len;
        }
        kept.truncate(n);
    }
    if (kept == inserted) return;
    const bool modified = isModified();
    setText(before.left(head) + kept + before.right(tail));
    setCursorPosition(int(head + kept.size()));
    setModified(modified);
}

void FieldEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    emit entered();
}

void FieldEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    emit exited();
    // A text longer than its box is shown from its start again, not scrolled to where the
    // cursor was.
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason) setCursorPosition(0);
}

bool FieldEdit::event(QEvent* e) {
    // Tab goes on through the program's own field order as [Enter] does, Shift+Tab back as
    // [Home] or [↑] does; neither lets Qt move the focus on its own.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            if (tabMovesOn_) {
                // The owner may know a better next field; otherwise Tab is [Enter] and
                // Shift+Tab is [Home], or [↑] where [Home] does nothing.
                const bool forward = k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier);
                if (forward) {
                    if (!offerKey(Qt::Key_Tab)) offerKey(Qt::Key_Return);
                } else if (!offerKey(Qt::Key_Backtab) && !offerKey(Qt::Key_Home)) {
                    offerKey(Qt::Key_Up);
                }
            }
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

bool FieldEdit::offerKey(int key) {
    keyHandled_ = false;
    emit keyDown(key, Qt::NoModifier);
    return keyHandled_;
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
    keyHandled_ = false;
    emit keyDown(e->key(), e->modifiers());
    if (keyHandled_) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
