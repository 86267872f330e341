#include "form/focus_table.h"

void FocusTable::add(int code, QWidget* field) {
    fields_.insert(code, field);
}

QWidget* FocusTable::field(int code) const {
    auto it = fields_.find(code);
    return it == fields_.end() ? nullptr : it.value().data();
}

int FocusTable::codeOf(const QWidget* field) const {
    for (auto it = fields_.begin(); it != fields_.end(); ++it)
        if (it.value() == field) return it.key();
    return 0;
}

void FocusTable::restoreFocus() const {
    if (QWidget* w = field(state_.focusCode)) w->setFocus(Qt::OtherFocusReason);
}
