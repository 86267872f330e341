#include "form/click_label.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
    : QLabel(text, parent) {
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);
}

void ClickLabel::setTextColor(const QColor& c) {
    QPalette p = palette();
    if (p.color(QPalette::WindowText) == c) return;
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

void ClickLabel::setBackgroundColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
    setAutoFillBackground(c.alpha() > 0);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit pressed();
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit released();
        if (rect().contains(e->position().toPoint())) emit clicked();
    }
    QLabel::mouseReleaseEvent(e);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    emit pointerMoved();
    QLabel::mouseMoveEvent(e);
}
