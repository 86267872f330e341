#pragma once
// Colours as the form designer numbers them: 0x00BBGGRR.

#include <QColor>
#include <cstdint>

namespace form_colors {

inline QColor fromFormColor(std::uint32_t v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

inline const QColor kRed = fromFormColor(255);
inline const QColor kSilver = fromFormColor(12632256);  // 192,192,192
inline const QColor kGray(128, 128, 128);
inline const QColor kLime(0, 255, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kFormBackground(245, 245, 245);
inline const QColor kGridGrey = fromFormColor(15658734);  // 238,238,238
// The pale yellow of the cross table and of the panels that lie over the change-over screen.
inline const QColor kPanelYellow = fromFormColor(15794175);  // 255,255,240

}  // namespace form_colors
