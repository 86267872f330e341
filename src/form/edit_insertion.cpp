#include "form/edit_insertion.h"

#include <QApplication>

#include "store/sjis.h"

namespace edit_insertion {

Insertion find(const QString& before, const QString& after) {
    Insertion r;
    qsizetype& head = r.head;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    if (head > 0 && before[head - 1].isHighSurrogate()) --head;
    qsizetype& tail = r.tail;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    if (tail > 0 && before[before.size() - tail].isLowSurrogate()) --tail;
    r.inserted = after.mid(head, after.size() - head - tail);
    return r;
}

QString keepStorable(const QString& inserted, int room, const std::function<int(const QString&)>& bytesOf) {
    QString kept;
    bool dropped = false;
    for (qsizetype n = 0; n < inserted.size();) {
        const qsizetype len = inserted[n].isHighSurrogate() && n + 1 < inserted.size() ? 2 : 1;
        const QString ch = inserted.mid(n, len);
        n += len;
        if (ch == QStringLiteral("\r")) continue;
        if (!sjis::encodable(ch.toStdString())) {
            dropped = true;
            continue;
        }
        const int bytes = bytesOf(ch);
        if (room >= 0 && bytes > room) {
            dropped = true;
            break;
        }
        if (room >= 0) room -= bytes;
        kept += ch;
    }
    if (dropped) QApplication::beep();
    return kept;
}

}  // namespace edit_insertion
