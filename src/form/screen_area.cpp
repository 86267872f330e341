#include "form/screen_area.h"

void ScreenArea::focusField(int code) const {
    if (QWidget* w = s_.focus.field(code)) w->setFocus(Qt::OtherFocusReason);
}

QFrame* ScreenArea::makeOverlayPanel(QWidget* form, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(form);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

void ScreenArea::raisePanel(QFrame* panel) {
    panel->raise();
    panel->show();
}
