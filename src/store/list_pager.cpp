#include "store/list_pager.h"

#include <algorithm>

ListPager::ListPager(int rows, long count) : rows_(rows < 1 ? 1 : rows), count_(count < 0 ? 0 : count) {}

bool ListPager::up() {
    if (row_ > 0) {
        --row_;
        return false;
    }
    if (top_ == 0) return false;
    --top_;
    return true;
}

bool ListPager::down() {
    if (chosenIndex() + 1 >= count_) return false;
    if (row_ < rows_ - 1) {
        ++row_;
        return false;
    }
    ++top_;
    return true;
}

bool ListPager::pageUp() {
    const long before = top_;
    top_ = top_ >= rows_ ? top_ - rows_ : 0;
    row_ = 0;
    return top_ != before;
}

bool ListPager::pageDown() {
    // A single page: the highlight goes to its last entry, as on the last page of a longer list.
    if (count_ <= rows_) {
        if (count_ > 0) row_ = int(count_ - 1);
        return false;
    }
    const long before = top_;
    if (count_ >= top_ + 2 * rows_)
        top_ += rows_;
    else
        top_ = count_ - rows_;
    row_ = rows_ - 1;
    return top_ != before;
}

bool ListPager::click(int k) {
    if (!rowHasEntry(k)) return false;
    row_ = k;
    return true;
}

bool ListPager::canScroll(int step) const {
    return step < 0 ? top_ > 0 : top_ < lastTop();
}

bool ListPager::scroll(int step) {
    const long to = std::clamp(top_ + step, 0L, lastTop());
    if (to == top_) return false;
    top_ = to;
    return true;
}

void ListPager::scrollToShow(long index) {
    if (index < top_) top_ = index;
    if (index >= top_ + rows_) top_ = index - rows_ + 1;
}

void ListPager::setCount(long count) {
    count_ = count < 0 ? 0 : count;
    const long chosen = std::clamp(chosenIndex(), 0L, count_ > 0 ? count_ - 1 : 0L);
    top_ = std::min(top_, lastTop());
    if (chosen < top_) top_ = chosen;
    row_ = int(chosen - top_);
}

int ListPager::thumbHeight(int trackHeight, int minHeight) const {
    if (count_ <= rows_) return trackHeight;
    return std::max(minHeight, int(long(rows_) * trackHeight / count_));
}

int ListPager::thumbTop(int trackHeight, int minHeight) const {
    // Whole numbers, so that an exact quotient is not lost to rounding. A thumb kept at its
    // least height stops at the bottom of the track on the last page.
    if (count_ <= rows_) return 0;
    const int top = int(top_ * trackHeight / count_);
    return std::min(top, trackHeight - thumbHeight(trackHeight, minHeight));
}
