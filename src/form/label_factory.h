#pragma once
// Labels as the form places them: a text in a rectangle with its own size, alignment and
// colours. Every area makes its fixed texts here.

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>

struct LabelStyle {
    LabelStyle(int pixelSize = 0, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, QColor text = QColor(),
               QColor background = QColor(), bool bold = false, QString fontFamily = QString())
        : pixelSize(pixelSize), align(align), text(text), background(background), bold(bold), fontFamily(fontFamily) {}

    int pixelSize;  // 0: the parent's font size
    Qt::Alignment align;
    QColor text;        // invalid: the palette's text colour
    QColor background;  // invalid: transparent
    bool bold;
    QString fontFamily;  // empty: the parent's font
};

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, const LabelStyle& style = {},
                  const QString& name = QString());

// The name of control n of a family: the prefix and n in two digits ("Edit_Kyuu_" 3 -> "Edit_Kyuu_03").
inline QString controlName(const QString& prefix, int n) {
    return prefix + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Sets the text and background colours of any widget the way a label's are set.
void setWidgetColours(QWidget* w, const QColor& text, const QColor& background = QColor());

class QFrame;
// A raised panel over the form, hidden until it is shown: the frame of every panel and message.
QFrame* makeRaisedPanel(QWidget* parent, const QString& name, const QRect& geometry,
                        const QColor& background = QColor());
