#pragma once
// The tiny edit box inside an overlay panel that holds the focus and receives its keys.

#include "form/field_edit.h"

class QTimer;

class HiddenKeyBox : public FieldEdit {
    Q_OBJECT
public:
    HiddenKeyBox(QWidget* parent, const QString& name);

    // For a panel that opens of itself, not at a key the user pressed for it: keys must never
    // reach it before the user has seen it. From here on every key is dropped until the panel
    // has been on screen for a moment; a key typed as if into a field (a character) starts that
    // moment again, so that the [Enter] that ends such typing does not answer the panel unseen.
    void holdKeys();
    // Ends the hold (its timer, "Timer_PanelKeys", firing).
    void releaseKeys();

    static constexpr int kHoldMs = 800;

    // Hands every key pressed in the box to the owner's handler, as dealt with: the box itself
    // never types or moves on.
    template <typename Owner>
    void handKeysTo(Owner* owner, void (Owner::*handler)(int key)) {
        connect(this, &FieldEdit::keyDown, owner, [this, owner, handler](int key, Qt::KeyboardModifiers) {
            setKeyHandled();
            (owner->*handler)(key);
        });
    }

signals:
    // Characters were typed into the panel as if into a field and dropped: the owner shows why
    // nothing happened.
    void typingDropped();

protected:
    bool event(QEvent* e) override;

private:
    QTimer* hold_;
    bool guarded_ = false;  // holdKeys was called: typing holds the keys again
    bool holding_ = false;
};
