#include "contacts/result_pager.h"

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
    if (count_ <= kRows) return false;
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
    return int(long(kRows) * kTrackHeight / count_);
}

int ResultPager::thumbTop() const {
    // Whole numbers, so that an exact quotient is not lost to rounding.
    if (count_ <= kRows) return kTrackTop;
    return int(resultPageTop_ * kTrackHeight / count_) + kTrackTop;
}

}  // namespace postal
