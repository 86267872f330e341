#pragma once
// The window of the postal-code result panel over the match list: 20 rows, the first shown
// result resultPageTop and the highlighted row resultRow, and the scroll thumb beside them.

namespace postal {

class ResultPager {
public:
    static constexpr int kRows = 20;
    static constexpr int kTrackHeight = 353;  // the thumb's track, in pixels
    static constexpr int kTrackTop = 50;      // the track's top within the panel
    // Past about 7,000 results the thumb's share of the track would be under a pixel.
    static constexpr int kMinThumbHeight = 8;

    // A freshly opened panel: first page, first row.
    explicit ResultPager(long count = 0) : count_(count < 0 ? 0 : count) {}

    long count() const { return count_; }
    long resultPageTop() const { return resultPageTop_; }
    int resultRow() const { return resultRow_; }
    // Index in the match list of the highlighted result.
    long chosenIndex() const { return resultPageTop_ + resultRow_; }
    // Row k (0..19) of the page shows a result.
    bool rowHasResult(int k) const { return k >= 0 && k < kRows && resultPageTop_ + k < count_; }

    // The keys. Each returns true when the page moved, so the rows need filling again;
    // the highlight may move either way.
    bool up();
    bool down();
    bool pageUp();
    // A list of 20 or fewer has one page: PageDown only highlights its last result.
    bool pageDown();
    // A click on row k (0..19): true, and the row highlighted, when the row shows a result.
    bool click(int k);

    // The thumb: its height, and its top after the latest page move.
    int thumbHeight() const;
    int thumbTop() const;

private:
    long count_;
    long resultPageTop_ = 0;
    int resultRow_ = 0;
};

}  // namespace postal
