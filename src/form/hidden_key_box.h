#pragma once
// The tiny edit box inside an overlay panel that holds the focus and receives its keys.

#include "form/field_edit.h"

class HiddenKeyBox : public FieldEdit {
    Q_OBJECT
public:
    HiddenKeyBox(QWidget* parent, const QString& name);
};
