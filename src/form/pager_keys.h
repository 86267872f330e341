#pragma once
// The keys every list shown a window at a time answers alike: ↑ and ↓ move the highlight,
// PageUp and PageDown a page.

#include "store/list_pager.h"

struct PagerKey {
    bool handled = false;  // the key was one of the four
    bool moved = false;    // the window moved: its rows need filling again
};

PagerKey pageByKey(ListPager& pager, int qtKey);
