#pragma once
// The result of one pairing as the league records it: the stored byte, the code, and what a
// click on the cross table makes of it.

#include <string_view>

#include "store/league_model.h"

// ' ' none, '1' win, '2' loss, '3' draw. Any other byte counts as no result.
inline int decodeResultByte(char c) {
    return c >= '1' && c <= '3' ? c - '0' : NoResult;
}
inline char encodeResultByte(int code) {
    return code >= Win && code <= Draw ? char('0' + code) : ' ';
}

// A click moves a result on: none → win → loss → draw → none.
inline int nextResultOnClick(int code) {
    return code >= NoResult && code < Draw ? code + 1 : NoResult;
}
// The same game seen from the other team: a win is a loss, a draw stays a draw.
inline int mirrorResult(int code) {
    switch (code) {
        case Win:
            return Loss;
        case Loss:
            return Win;
        case Draw:
            return Draw;
        default:
            return NoResult;
    }
}

// The mark of a result as the files written for other programs show it (UTF-8): ○ × △, and
// nothing for no result.
inline std::string_view resultMark(int code) {
    constexpr std::string_view marks[] = {"", "○", "×", "△"};
    return code >= Win && code <= Draw ? marks[code] : marks[0];
}
