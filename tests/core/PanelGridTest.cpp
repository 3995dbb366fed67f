#include <gtest/gtest.h>

#include <cstdlib>

#include "core/panels/PanelGrid.h"

using namespace rovik;

TEST(PanelGrid, DragsInWholeStepsAndSnapsEveryEdgeToTheGridThroughTheOrigin) {
    // Drags by whole steps are the panels' tests; these are the edges and odd origins.
    EXPECT_EQ(PanelGrid::DragDistance(-5), 0);
    EXPECT_EQ(PanelGrid::Snap({16, 25, 176, 171}, 3, 5), (PanelRect{11, 21, 171, 165}));
    // Whatever the signs, every edge lands less than a step away.
    for (auto [x, y] : {std::pair{3, 5}, std::pair{-5, -13}, std::pair{-1920, 1021}}) {
        for (std::int32_t edge = -40; edge <= 40; ++edge) {
            SCOPED_TRACE(::testing::Message() << x << "," << y << " edge " << edge);
            PanelRect snapped = PanelGrid::Snap({edge, edge, edge, edge}, x, y);
            EXPECT_EQ((snapped.left - x) % 8, 0);
            EXPECT_EQ((snapped.bottom - y) % 8, 0);
            EXPECT_LT(std::abs(snapped.left - edge), 8);
            EXPECT_LT(std::abs(snapped.bottom - edge), 8);
        }
    }
}
