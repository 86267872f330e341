#include "form/hidden_key_box.h"

HiddenKeyBox::HiddenKeyBox(QWidget* parent, const QString& name) : FieldEdit(parent, name, QRect(0, 0, 1, 1), 1) {
    setStyleSheet("background: transparent; color: transparent; border: none;");
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setReadOnly(true);
    setTabMovesOn(false);
}
