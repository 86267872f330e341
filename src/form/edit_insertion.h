#pragma once
// What the single-line and the multi-line edit boxes share: finding what an edit inserted,
// keeping of it only what the data files can hold, and handing keys to the owner first.
//
// A character that has no Shift-JIS form is dropped and the rest of the insertion kept, with
// a beep: a pasted or converted name loses only what could never be stored, rather than all
// of it without a word, and the beep says that something was left out.

#include <QString>
#include <functional>

namespace edit_insertion {

// The edit replaced the middle of the old text: the unchanged head and tail, and what now
// stands between them. Never splits a surrogate pair.
struct Insertion {
    qsizetype head = 0;
    qsizetype tail = 0;
    QString inserted;
};
Insertion find(const QString& before, const QString& after);

// The inserted characters the files can hold, whole characters only, as far as room bytes
// allow (no limit when room is negative); bytesOf counts what a character takes when stored.
// Carriage returns are dropped too: a box's line breaks are "\n". Beeps when anything was left out.
QString keepStorable(const QString& inserted, int room, const std::function<int(const QString&)>& bytesOf);

}  // namespace edit_insertion

// Hands every key to the box's owner before the box acts on it.
class KeyHandOff {
public:
    // Called by a key handler that has dealt with the key, so the box does not act on it.
    void setHandled() { handled_ = true; }
    // Offers a key through emitKey (which emits the box's keyDown); true when the owner took it.
    bool offer(const std::function<void()>& emitKey) {
        handled_ = false;
        emitKey();
        return handled_;
    }

private:
    bool handled_ = false;
};
