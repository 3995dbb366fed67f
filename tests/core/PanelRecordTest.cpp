#include <gtest/gtest.h>

#include "core/panels/PanelRecord.h"

using namespace rovik;

TEST(PanelRecord, ANewPanelIsASquareInTheTopLeftCorner) {
    PanelRecord panel;
    EXPECT_EQ(panel.PlacedRect(), (PanelRect{0, 0, 160, 160}));
    panel.rect = {8, 8, 16, 16};
    EXPECT_EQ(panel.PlacedRect(), panel.rect);
}
