#include "form/framed_shape.h"

#include <QPainter>

FramedShape::FramedShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& pen,
                         const QColor& fill)
    : QWidget(parent), pen_(pen), fill_(fill) {
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void FramedShape::setPenColor(const QColor& c) {
    if (c == pen_) return;
    pen_ = c;
    update();
}

void FramedShape::setFillColor(const QColor& c) {
    if (c == fill_) return;
    fill_ = c;
    update();
}

void FramedShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fill_.alpha() > 0) p.fillRect(rect(), fill_);
    p.setPen(pen_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
