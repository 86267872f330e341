#include "league/ui/key_button.h"

#include "form/click_label.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"

using namespace form_colors;

KeyButton::KeyButton(QWidget* parent, const QString& keyName, const QString& keyText, const QString& captionName,
                     const QString& caption, const QRect& g, int keyWidth)
    : QObject(parent) {
    frame_ = new FramedShape(parent, QStringLiteral("Shape_") + keyName, g, kGray, kWhite);
    const QRect keyRect =
        keyWidth > 0 ? QRect(g.x() + 2, g.y() + 2, keyWidth, g.height() - 4) : g.adjusted(2, 2, -2, -2);
    key_ = new ClickLabel(parent, keyName, keyText, keyRect);
    key_->setAlignment(Qt::AlignCenter);
    if (keyWidth > 0)
        caption_ = new ClickLabel(parent, captionName, caption,
                                  QRect(g.x() + keyWidth + 4, g.y() + 2, g.width() - keyWidth - 6, g.height() - 4));
    for (ClickLabel* l : {key_, caption_}) {
        if (!l) continue;
        QFont f = l->font();
        f.setPixelSize(13);
        l->setFont(f);
        l->setCursor(Qt::PointingHandCursor);
        l->setTextColor(kBlack);
        connect(l, &ClickLabel::clicked, this, &KeyButton::clicked);
    }
    if (caption_) caption_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
}

void KeyButton::showPresses() {
    setPressed(false);
    for (ClickLabel* l : {key_, caption_}) {
        if (!l) continue;
        connect(l, &ClickLabel::pressed, this, [this] { setPressed(true); });
        connect(l, &ClickLabel::released, this, [this] { setPressed(false); });
    }
}

void KeyButton::setPressed(bool pressed) {
    frame_->setPenColor(pressed ? kRed : kGray);
    frame_->setFillColor(pressed ? kWhite : kSilver);
    for (ClickLabel* l : {key_, caption_})
        if (l) l->setBackgroundColor(pressed ? kWhite : kSilver);
}
