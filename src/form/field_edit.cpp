#include "form/field_edit.h"

#include <QKeyEvent>

#include "form/edit_insertion.h"
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
    // A file dragged over the box goes to the window (an import), never into the text.
    setAcceptDrops(false);
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
    const auto [head, tail, inserted] = edit_insertion::find(before, edited);
    const int room =
        maxBytes_ > 0 ? std::max(0, maxBytes_ - sjisBytes(before.left(head)) - sjisBytes(before.right(tail))) : -1;
    const QString kept = edit_insertion::keepStorable(inserted, room, sjisBytes);
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
    return keys_.offer([&] { emit keyDown(key, Qt::NoModifier); });
}

void FieldEdit::keyPressEvent(QKeyEvent* e) {
    if (keys_.offer([&] { emit keyDown(e->key(), e->modifiers()); })) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}
