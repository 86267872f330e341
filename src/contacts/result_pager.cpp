#include "contacts/result_pager.h"

#include <algorithm>

namespace postal {

bool ResultPager::up() {
    if (resultRow_ > 0) {
        --resultRow_;
        return false;
    }
    if (resultPageTop_ == 0) return false;
    --resultPageTop_;
    return true;
}

bool ResultPager::down() {
    if (chosenIndex() + 1 >= count_) return false;
    if (resultRow_ < kRows - 1) {
        ++resultRow_;
        return false;
    }
    ++resultPageTop_;
    return true;
}

bool ResultPager::pageUp() {
    long before = resultPageTop_;
    resultPageTop_ = resultPageTop_ >= kRows ? resultPageTop_ - kRows : 0;
    resultRow_ = 0;
    return resultPageTop_ != before;
}

bool ResultPager::pageDown() {
    // A single page: the highlight goes to its last result, as on the last page of a longer list.
    if (count_ <= kRows) {
        if (count_ > 0) resultRow_ = int(count_ - 1);
        return false;
    }
    long before = resultPageTop_;
    if (count_ >= resultPageTop_ + 2 * kRows)
        resultPageTop_ += kRows;
    else
        resultPageTop_ = count_ - kRows;
    resultRow_ = kRows - 1;
    return resultPageTop_ != before;
}

bool ResultPager::click(int k) {
    if (!rowHasResult(k)) return false;
    resultRow_ = k;
    return true;
}

int ResultPager::thumbHeight() const {
    if (count_ <= kRows) return kTrackHeight;
    return std::max(kMinThumbHeight, int(long(kRows) * kTrackHeight / count_));
}

int ResultPager::thumbTop() const {
    // Whole numbers, so that an exact quotient is not lost to rounding. A thumb kept at its
    // least height stops at the bottom of the track on the last page.
    if (count_ <= kRows) return kTrackTop;
    const int top = int(resultPageTop_ * kTrackHeight / count_);
    return std::min(top, kTrackHeight - thumbHeight()) + kTrackTop;
}

}  // namespace postal
