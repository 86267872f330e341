#include "form/screen_area.h"

#include "form/label_factory.h"

void ScreenArea::focusField(int code) const {
    if (QWidget* w = s_.focus.field(code)) w->setFocus(Qt::OtherFocusReason);
}

QFrame* ScreenArea::makeOverlayPanel(QWidget* form, const char* name, const QRect& geometry) {
    return makeRaisedPanel(form, QString::fromLatin1(name), geometry);
}

void ScreenArea::raisePanel(QFrame* panel) {
    panel->raise();
    panel->show();
}
