#pragma once
// A window of a fixed number of rows over a list: the first entry shown, the highlighted row,
// and the scroll thumb beside them. Every list the screens page through keeps its place here,
// so that the arrows, the page keys and the clicks behave the same in all of them.

class ListPager {
public:
    // A freshly opened list: first page, first row.
    explicit ListPager(int rows = 1, long count = 0);

    int rows() const { return rows_; }
    long count() const { return count_; }
    long top() const { return top_; }
    int row() const { return row_; }
    // Index in the list of the highlighted entry.
    long chosenIndex() const { return top_ + row_; }
    // Row k (0..rows-1) of the window shows an entry.
    bool rowHasEntry(int k) const { return k >= 0 && k < rows_ && top_ + k < count_; }
    // Whether the window shows the first entry, and the last one.
    bool atFirst() const { return top_ == 0; }
    bool atLast() const { return top_ + rows_ >= count_; }

    // The keys. Each returns true when the window moved, so the rows need filling again;
    // the highlight may move either way.
    bool up();
    bool down();
    bool pageUp();
    // A list that fits in the window has one page: PageDown only highlights its last entry.
    bool pageDown();
    // A click on row k: true, and the row highlighted, when the row shows an entry.
    bool click(int k);

    // The window alone moves by step rows (the highlight stays on its row), within the list.
    bool canScroll(int step) const;
    bool scroll(int step);
    // The window moves as little as it must to show entry index.
    void scrollToShow(long index);

    // The list now holds count entries (one was removed, say): the highlight stays on the
    // same entry, or goes to the last one, and the window shows as many entries as it can.
    void setCount(long count);

    // The thumb of a track of trackHeight pixels: its height, never under minHeight, and its
    // top within the track.
    int thumbHeight(int trackHeight, int minHeight) const;
    int thumbTop(int trackHeight, int minHeight) const;

private:
    long lastTop() const { return count_ > rows_ ? count_ - rows_ : 0; }

    int rows_;
    long count_;
    long top_ = 0;
    int row_ = 0;
};
