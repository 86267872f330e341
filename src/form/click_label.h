#pragma once
// A label that can be clicked, as the form's buttons drawn as labels are.

#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);

    void setTextColor(const QColor& c);
    void setBackgroundColor(const QColor& c);

signals:
    void clicked();
    void pressed();
    void released();
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};
