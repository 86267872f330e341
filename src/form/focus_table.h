#pragma once
// Every focusable field has a number; focusCode holds the current one and restoreFocus
// gives the focus back to the field with that number.

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "form/form_state.h"

class FocusTable {
public:
    explicit FocusTable(FormState& state) : state_(state) {}

    void add(int code, QWidget* field);
    QWidget* field(int code) const;
    // The number of a field, or 0 when it has none.
    int codeOf(const QWidget* field) const;

    // Focus to the field whose number is focusCode; a number not in the table changes nothing.
    void restoreFocus() const;

private:
    FormState& state_;
    QHash<int, QPointer<QWidget>> fields_;
};
