#pragma once
// A button of an overlay panel drawn as labels: a key label ("F1") and its caption on a
// frame. A click on either does the same as the key. A button can also show itself pressed
// (red frame, white) while the mouse button is down and released (grey frame, silver).

#include <QObject>
#include <QRect>
#include <QString>

class QWidget;
class ClickLabel;
class FramedShape;

class KeyButton : public QObject {
    Q_OBJECT
public:
    // keyWidth 0: the whole frame is one label holding the key text (a button with no caption).
    KeyButton(QWidget* parent, const QString& keyName, const QString& keyText, const QString& captionName,
              const QString& caption, const QRect& frame, int keyWidth = 30);

    // Pressed and released looks follow the mouse button.
    void showPresses();
    void setPressed(bool pressed);
    ClickLabel* key() const { return key_; }
    ClickLabel* caption() const { return caption_; }
    FramedShape* frame() const { return frame_; }

signals:
    void clicked();

private:
    FramedShape* frame_;
    ClickLabel* key_;
    ClickLabel* caption_ = nullptr;
};
