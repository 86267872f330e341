#pragma once
// Where the areas of the main form lie (client pixels of the 1000 × 700 window).
// Each area lays its own controls out inside its rectangle.

#include <QRect>

namespace form_layout {

inline constexpr int kFormWidth = 1000;
inline constexpr int kFormHeight = 700;

inline const QRect kHeaderLine(0, 0, 1000, 36);
inline const QRect kGroupList(4, 40, 122, 560);     // class and division letters of the 20 groups
inline const QRect kTeamList(130, 40, 172, 368);    // group letters, the ten team names, their captions
inline const QRect kGroupTable(306, 40, 460, 360);  // Panel_SingleGame
inline const QRect kDetails(130, 408, 636, 226);    // the selected team's details
inline const QRect kHelpMemo(772, 40, 222, 560);    // Memo1
inline const QRect kManualHint(772, 604, 222, 20);  // Label_Manual, one line
inline const QRect kHelpLines(4, 640, 820, 36);     // Label_HelpMsg_01 and _02
inline const QRect kMaker(830, 678, 164, 18);       // Label_Marrowdyne
inline const QPoint kCommandPanel(4, 36);
inline const QPoint kMessagePanel(292, 276);

}  // namespace form_layout
