#pragma once
// The F-key choices of an overlay panel: a key label ("F1") and its caption on a frame.
// The selected choice has a red frame and a white fill, the others a grey frame and a
// silver fill. A click on the key label or on the caption chooses it.

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

class QWidget;
class ClickLabel;
class FramedShape;

class ChoiceButtons : public QObject {
    Q_OBJECT
public:
    struct Choice {
        QString keyName;      // objectName of the key label
        QString keyText;      // "F1"
        QString captionName;  // objectName of the caption label
        QString caption;      // "O.K."
        QRect geometry;       // the frame; key label on the left, caption beside it
    };

    ChoiceButtons(QWidget* panel, const std::vector<Choice>& choices);

    void select(int index);
    int selected() const { return selected_; }
    // The text colour of the choices not selected (black unless set).
    void setDimmedTextColor(const QColor& c);
    // ← and → move the selection between the choices.
    void selectPrevious();
    void selectNext();
    int count() const { return int(frames_.size()); }
    // The keys of a panel's hidden key box: a choice's F-key chooses it, Enter chooses the
    // selected one, ← and → move the selection. False for any other key.
    bool handleKey(int qtKey);

signals:
    void chosen(int index);

private:
    std::vector<FramedShape*> frames_;
    std::vector<ClickLabel*> keys_;
    std::vector<ClickLabel*> captions_;
    std::vector<int> fKeys_;
    int selected_ = 0;
    QColor dimmedText_;
};
