#pragma once
// The ten fields of the details area in their order on screen: the team record field each
// edits, its control and frame, where it lies, what the input method should offer, its
// focus number and its two help lines.

#include <QRect>
#include <array>

// What the desktop's input method is told a field expects.
enum class InputKind {
    Japanese,  // kana-kanji conversion on
    Latin,     // conversion off: digits, hyphens and letters
    Reading,   // the city: kana or kanji; kana become half-width before a reading lookup
};

struct DetailField {
    int field;              // team record field (team_field::…)
    const char* editName;   // the control
    const char* shapeName;  // its frame
    const char* caption;
    QRect captionRect;  // form coordinates
    QRect frame;        // form coordinates; the control lies inside it
    int focusCode;
    InputKind input;
    const char* help1;
    const char* help2;
};

namespace detail_fields {

inline constexpr int kCount = 10;
// Index of the memo, the last field.
inline constexpr int kMemo = kCount - 1;

const std::array<DetailField, kCount>& all();
// The index of the field that edits team record field k, or -1 (the prefecture has none).
int indexOfField(int k);

// Label_Kenmei, the prefecture, which only the lookups fill.
inline const QRect kPrefectureCaption(284, 488, 62, 24);
inline const QRect kPrefecture(348, 488, 80, 24);
// The caption line: "チーム【", Label_SyousaiName, "】の詳細情報".
inline const QRect kCaptionLine(132, 410, 380, 22);

}  // namespace detail_fields
