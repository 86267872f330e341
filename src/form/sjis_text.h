#pragma once
// The screen boundary: Shift-JIS bytes of the core to and from the texts of the widgets.

#include <QString>
#include <string>
#include <string_view>

#include "store/sjis.h"

inline QString fromSjis(std::string_view bytes) { return QString::fromStdString(sjis::toUnicode(bytes)); }
inline std::string toSjis(const QString& text) { return sjis::fromUnicode(text.toStdString()); }
