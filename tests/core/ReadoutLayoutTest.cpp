#include <gtest/gtest.h>

#include "core/panels/ReadoutLayout.h"

using namespace rovik;

// The panels' rendering tests draw both layouts with captions and units; these are the
// layouts without them, and the rounding of uneven sizes.
TEST(ReadoutLayout, StacksRowsWithTheValueLeftAndCaptionAndUnitRight) {
    ReadoutRecord look;
    std::vector<ReadoutLayout::Cells> cells = ReadoutLayout::For({0, 0, 200, 203}, 5, look);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[4].value, (PanelRect{0, 160, 127, 200}));

    look.showCaptions = false;
    look.showUnits = false;
    cells = ReadoutLayout::For({0, 0, 200, 100}, 2, look);
    EXPECT_EQ(cells[1].value, (PanelRect{0, 50, 195, 100}));
    EXPECT_TRUE(cells[1].caption.IsEmpty());
    EXPECT_TRUE(cells[1].unit.IsEmpty());
    EXPECT_TRUE(ReadoutLayout::For({0, 0, 200, 100}, 0, look).empty());
}

TEST(ReadoutLayout, PutsColumnsSideBySideWithCaptionOnTopAndUnitBelow) {
    ReadoutRecord look;
    look.horizontal = true;
    std::vector<ReadoutLayout::Cells> cells = ReadoutLayout::For({0, 0, 301, 120}, 3, look);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[2].unit, (PanelRect{200, 90, 300, 120}));

    look.showUnits = false;
    cells = ReadoutLayout::For({0, 0, 300, 120}, 3, look);
    EXPECT_EQ(cells[0].caption, (PanelRect{0, 0, 100, 40}));
    EXPECT_EQ(cells[0].value, (PanelRect{0, 40, 100, 120}));
    EXPECT_TRUE(cells[0].unit.IsEmpty());
}
