#include "form/choice_buttons.h"

#include "form/click_label.h"
#include "form/form_colors.h"
#include "form/framed_shape.h"

using namespace form_colors;

ChoiceButtons::ChoiceButtons(QWidget* panel, const std::vector<Choice>& choices) : QObject(panel), dimmedText_(kBlack) {
    for (int i = 0; i < int(choices.size()); ++i) {
        const Choice& c = choices[i];
        const QRect g = c.geometry;
        auto* frame = new FramedShape(panel, QString("Shape_") + c.keyName, g, kGray, kSilver);
        auto* key = new ClickLabel(panel, c.keyName, c.keyText, QRect(g.x() + 2, g.y() + 2, 30, g.height() - 4));
        auto* caption = new ClickLabel(panel, c.captionName, c.caption,
                                       QRect(g.x() + 34, g.y() + 2, g.width() - 36, g.height() - 4));
        key->setAlignment(Qt::AlignCenter);
        caption->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        for (ClickLabel* l : {key, caption}) {
            QFont f = l->font();
            f.setPixelSize(14);
            l->setFont(f);
            l->setCursor(Qt::PointingHandCursor);
            connect(l, &ClickLabel::clicked, this, [this, i] {
                select(i);
                emit chosen(i);
            });
        }
        fKeys_.push_back(Qt::Key_F1 + c.keyText.mid(1).toInt() - 1);
        frames_.push_back(frame);
        keys_.push_back(key);
        captions_.push_back(caption);
    }
    select(0);
}

void ChoiceButtons::select(int index) {
    if (index < 0 || index >= count()) return;
    selected_ = index;
    for (int i = 0; i < count(); ++i) {
        const bool on = i == index;
        frames_[i]->setPenColor(on ? kRed : kGray);
        frames_[i]->setFillColor(on ? kWhite : kSilver);
        for (ClickLabel* l : {keys_[i], captions_[i]}) {
            l->setBackgroundColor(on ? kWhite : kSilver);
            l->setTextColor(on ? kBlack : dimmedText_);
        }
    }
}

void ChoiceButtons::setDimmedTextColor(const QColor& c) {
    dimmedText_ = c;
    select(selected_);
}

void ChoiceButtons::selectPrevious() {
    select(selected_ == 0 ? count() - 1 : selected_ - 1);
}
void ChoiceButtons::selectNext() {
    select(selected_ == count() - 1 ? 0 : selected_ + 1);
}

bool ChoiceButtons::handleKey(int qtKey) {
    for (int i = 0; i < count(); ++i) {
        if (fKeys_[i] != qtKey) continue;
        select(i);
        emit chosen(i);
        return true;
    }
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit chosen(selected_);
            return true;
        case Qt::Key_Left:
            selectPrevious();
            return true;
        case Qt::Key_Right:
            selectNext();
            return true;
        default:
            return false;
    }
}
