#pragma once
// The frame of a selectable row or cell: red and two pixels wide when selected, silver and
// one pixel otherwise.

#include <QPainter>
#include <QRect>

#include "form/form_colors.h"

inline void paintSelectionFrame(QPainter& p, const QRect& r, bool selected) {
    p.setPen(QPen(selected ? form_colors::kRed : form_colors::kSilver, selected ? 2 : 1));
    p.drawRect(selected ? r.adjusted(1, 1, -1, -1) : r.adjusted(0, 0, -1, -1));
}
