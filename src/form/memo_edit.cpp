#include "form/memo_edit.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <algorithm>

#include "store/sjis.h"

MemoEdit::MemoEdit(QWidget* parent, const QString& name, const QRect& geometry, int maxBytes)
    : QPlainTextEdit(parent), maxBytes_(maxBytes) {
    setObjectName(name);
    setGeometry(geometry);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A file dragged over the box goes to the window (an import), never into the text.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);
    connect(this, &QPlainTextEdit::textChanged, this, &MemoEdit::checkEdit);
}

int MemoEdit::storedBytes(const QString& text) {
    return int(sjis::fromUnicode(text.toStdString()).size() + text.count(QLatin1Char('\n')));
}

void MemoEdit::showText(const QString& text) {
    checking_ = true;
    setPlainText(text);
    lastText_ = toPlainText();
    checking_ = false;
    moveCursor(QTextCursor::Start);
}

void MemoEdit::checkEdit() {
    if (checking_) return;
    const QString now = toPlainText();
    if (now == lastText_) return;
    const QString before = lastText_;
    const auto [head, tail, inserted] = edit_insertion::find(before, now);
    const int room = maxBytes_ - storedBytes(before.left(head)) - storedBytes(before.right(tail));
    const QString kept = edit_insertion::keepStorable(inserted, std::max(room, 0), storedBytes);
    if (kept == inserted) {
        lastText_ = now;
        return;
    }
    checking_ = true;
    QTextCursor c(document());
    c.setPosition(int(head));
    c.setPosition(int(head + inserted.size()), QTextCursor::KeepAnchor);
    c.insertText(kept);
    setTextCursor(c);
    checking_ = false;
    lastText_ = toPlainText();
}

void MemoEdit::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    emit entered();
}

void MemoEdit::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    emit exited();
}

bool MemoEdit::event(QEvent* e) {
    // Shift+Tab goes back as [Home] does; Tab neither inserts a tab nor lets Qt move the
    // focus on its own (the memo is the last field: [Enter] is a line break here).
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            if (k->key() == Qt::Key_Backtab || (k->modifiers() & Qt::ShiftModifier)) offerKey(Qt::Key_Home);
            e->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(e);
}

bool MemoEdit::offerKey(int key) {
    return keys_.offer([&] { emit keyDown(key, Qt::NoModifier); });
}

void MemoEdit::keyPressEvent(QKeyEvent* e) {
    if (keys_.offer([&] { emit keyDown(e->key(), e->modifiers()); })) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}
