#pragma once
// A rectangle with a pen and a fill, drawn under the controls it frames.

#include <QColor>
#include <QWidget>

class FramedShape : public QWidget {
    Q_OBJECT
public:
    FramedShape(QWidget* parent, const QString& name, const QRect& geometry, const QColor& pen,
                const QColor& fill = QColor(Qt::transparent));

    void setPenColor(const QColor& c);
    void setFillColor(const QColor& c);
    QColor penColor() const { return pen_; }
    QColor fillColor() const { return fill_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor pen_;
    QColor fill_;
};
