#pragma once
// The frame of a selectable row or cell: red and two pixels wide when selected, silver and
// one pixel otherwise.

#include <QPaintEvent>
#include <QPainter>
#include <QRect>

#include "form/form_colors.h"

inline void paintSelectionFrame(QPainter& p, const QRect& r, bool selected) {
    p.setPen(QPen(selected ? form_colors::kRed : form_colors::kSilver, selected ? 2 : 1));
    p.drawRect(selected ? r.adjusted(1, 1, -1, -1) : r.adjusted(0, 0, -1, -1));
}

// A widget of the given kind that can be selected: it draws as its base does, then the
// selection frame over it.
template <typename Base>
class Selectable : public Base {
public:
    using Base::Base;

    void setSelected(bool on) {
        if (on == selected_) return;
        selected_ = on;
        this->update();
    }
    bool isSelected() const { return selected_; }

protected:
    void paintEvent(QPaintEvent* e) override {
        Base::paintEvent(e);
        QPainter p(this);
        paintSelectionFrame(p, this->rect(), selected_);
    }

private:
    bool selected_ = false;
};
