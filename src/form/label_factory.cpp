#include "form/label_factory.h"

#include <QFrame>

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, const LabelStyle& style,
                  const QString& name) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    l->setGeometry(geometry);
    l->setAlignment(style.align);
    if (style.pixelSize > 0 || style.bold || !style.fontFamily.isEmpty()) {
        QFont f = style.fontFamily.isEmpty() ? l->font() : QFont(style.fontFamily);
        f.setPixelSize(style.pixelSize > 0 ? style.pixelSize : l->font().pixelSize());
        f.setBold(style.bold);
        l->setFont(f);
    }
    setWidgetColours(l, style.text, style.background);
    return l;
}

void setWidgetColours(QWidget* w, const QColor& text, const QColor& background) {
    if (!text.isValid() && !background.isValid()) return;
    QPalette p = w->palette();
    if (text.isValid()) p.setColor(QPalette::WindowText, text);
    if (background.isValid()) p.setColor(QPalette::Window, background);
    w->setPalette(p);
    if (background.isValid()) w->setAutoFillBackground(true);
}

QFrame* makeRaisedPanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& background) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    setWidgetColours(panel, QColor(), background);
    panel->hide();
    return panel;
}
