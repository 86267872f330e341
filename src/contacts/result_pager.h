#pragma once
// The window of the postal-code result panel over the match list: 20 rows, the first shown
// result resultPageTop and the highlighted row resultRow, and the scroll thumb beside them.

#include "store/list_pager.h"

namespace postal {

class ResultPager : public ListPager {
public:
    static constexpr int kRows = 20;
    static constexpr int kTrackHeight = 353;  // the thumb's track, in pixels
    static constexpr int kTrackTop = 50;      // the track's top within the panel
    // Past about 7,000 results the thumb's share of the track would be under a pixel.
    static constexpr int kMinThumbHeight = 8;

    explicit ResultPager(long count = 0) : ListPager(kRows, count) {}

    long resultPageTop() const { return top(); }
    int resultRow() const { return row(); }
    bool rowHasResult(int k) const { return rowHasEntry(k); }
    int thumbHeight() const { return ListPager::thumbHeight(kTrackHeight, kMinThumbHeight); }
    int thumbTop() const { return ListPager::thumbTop(kTrackHeight, kMinThumbHeight) + kTrackTop; }
};

}  // namespace postal
