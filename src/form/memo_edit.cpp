#include "form/memo_edit.h"

#include <QKeyEvent>
#include <QTextCursor>

#include "store/sjis.h"

MemoEdit::MemoEdit(QWidget* parent, const QString& name, const QRect& geometry, int maxBytes)
    : QPlainTextEdit(parent), maxBytes_(maxBytes) {
    setObjectName(name);
    setGeometry(geometry);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
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
    // The edit replaced a middle part of the old text: find the unchanged head and tail.
    qsizetype head = 0;
    while (head < before.size() && head < now.size() && before[head] == now[head]) ++head;
    if (head > 0 && before[head - 1].isHighSurrogate()) --head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < now.size() - head &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    if (tail > 0 && before[before.size() - tail].isLowSurrogate()) --tail;
    const QString inserted = now.mid(head, now.size() - head - tail);

    // Keep what the files can hold, as far as it fits, one whole character at a time.
    int room = maxBytes_ - storedBytes(before.left(head)) - storedBytes(before.right(tail));
    QString kept;
    for (qsizetype n = 0; n < inserted.size();) {
        const qsizetype len = inserted[n].isHighSurrogate() && n + 1 < inserted.size() ? 2 : 1;
        const QString ch = inserted.mid(n, len);
        n += len;
        if (ch == QStringLiteral("\r")) continue;  // line breaks are "\n" inside the box
        if (!sjis::encodable(ch.toStdString())) continue;
        const int bytes = storedBytes(ch);
        if (bytes > room) break;
        room -= bytes;
        kept += ch;
    }
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
    keyHandled_ = false;
    emit keyDown(key, Qt::NoModifier);
    return keyHandled_;
}

void MemoEdit::keyPressEvent(QKeyEvent* e) {
    keyHandled_ = false;
    emit keyDown(e->key(), e->modifiers());
    if (keyHandled_) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}
