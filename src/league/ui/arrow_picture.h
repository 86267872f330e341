#pragma once
// The scroll arrows of the change-over screen: pictures read from JPEG files in the working
// folder's Images/, one while the mouse button is down on the arrow and one otherwise. A
// picture that is missing or damaged is drawn as a plain triangle instead.

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

// The picture of a JPEG file, decoded with libjpeg; nothing when the file is missing,
// damaged or implausibly large.
std::optional<QImage> readJpeg(const std::string& path);

class ArrowPicture : public QWidget {
    Q_OBJECT
public:
    // Up and Down show the Left and the Right picture turned a quarter clockwise.
    enum class Points { Left, Right, Up, Down };
    // offPath, onPath: the released and the pressed picture.
    ArrowPicture(QWidget* parent, const QString& name, const QRect& geometry, Points points, std::string offPath,
                 std::string onPath);

    // Reads the picture of the state from its file again.
    void showPressed(bool pressed);
    bool isPressed() const { return pressed_; }
    // False while the drawn triangle stands in for the picture.
    bool showsPicture() const { return picture_.has_value(); }

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Points points_;
    std::string offPath_, onPath_;
    std::optional<QImage> picture_;
    bool pressed_ = false;
};
