// The window every paged list keeps: what the postal results already did, now also the
// scrolling of a window alone and a list that shrinks under its highlight.

#include "store/list_pager.h"

#include <gtest/gtest.h>

namespace {

TEST(ListPager, ArrowsMoveTheHighlightFirstAndTheWindowAtItsEdges) {
    ListPager p(3, 5);
    EXPECT_FALSE(p.up());
    EXPECT_FALSE(p.down());
    EXPECT_FALSE(p.down());
    EXPECT_TRUE(p.down());  // past the window's last row
    EXPECT_EQ(p.top(), 1);
    EXPECT_EQ(p.chosenIndex(), 3);
    EXPECT_TRUE(p.down());
    EXPECT_FALSE(p.down()) << "the last entry stays highlighted";
    EXPECT_EQ(p.chosenIndex(), 4);
    EXPECT_TRUE(p.atLast());
    EXPECT_FALSE(p.click(3)) << "no row past the window";
    EXPECT_TRUE(p.click(0));
    EXPECT_EQ(p.chosenIndex(), 2);
}

TEST(ListPager, AWindowScrollsWithinItsListAndShowsWhatItIsAskedTo) {
    ListPager groups(4, 20);
    EXPECT_FALSE(groups.canScroll(-1));
    EXPECT_TRUE(groups.scroll(1));
    for (int i = 0; i < 30; ++i) groups.scroll(1);
    EXPECT_EQ(groups.top(), 16);
    EXPECT_FALSE(groups.canScroll(1));
    groups.scrollToShow(2);
    EXPECT_EQ(groups.top(), 2);
    groups.scrollToShow(9);
    EXPECT_EQ(groups.top(), 6);
    EXPECT_FALSE(ListPager(10, 4).canScroll(1)) << "a list that fits does not scroll";
}

TEST(ListPager, AShorterListKeepsTheHighlightOnItsEntryOrTheLastAndFillsTheWindow) {
    struct Case {
        long count, downs, newCount, top, row;
    };
    const Case cases[] = {
        {10, 9, 9, 1, 7},   // the last entry went: the one before it, the window full
        {10, 9, 10, 2, 7},  // nothing went
        {10, 3, 9, 0, 3},   // one after the highlight went
        {10, 9, 0, 0, 0},   // everything went
        {5, 4, 3, 0, 2},
    };
    for (const Case& c : cases) {
        ListPager p(8, c.count);
        for (int i = 0; i < c.downs; ++i) p.down();
        p.setCount(c.newCount);
        EXPECT_EQ(p.top(), c.top) << c.count << " " << c.newCount;
        EXPECT_EQ(p.row(), c.row) << c.count << " " << c.newCount;
    }
}

}  // namespace
