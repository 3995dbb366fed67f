#include <gtest/gtest.h>

#include <cstdlib>

#include "core/panels/PanelGrid.h"

using namespace rovik;

TEST(PanelGrid, DragDistanceIsCutTowardsZeroToWholeSteps) {
    const int cases[][2] = {{13, 8}, {-13, -8}, {5, 0}, {-5, 0}, {16, 16}};
    for (auto [moved, dragged] : cases) {
        EXPECT_EQ(PanelGrid::DragDistance(moved), dragged) << moved;
    }
}

TEST(PanelGrid, SnapFollowsTheOriginOfTheGrid) {
    EXPECT_EQ(PanelGrid::Snap({13, 20, 173, 166}, 0, 0), (PanelRect{8, 16, 168, 160}));
    EXPECT_EQ(PanelGrid::Snap({16, 25, 176, 171}, 3, 5), (PanelRect{11, 21, 171, 165}));
}

// Whatever the signs, every edge lands on the grid through the origin, less than a step away.
TEST(PanelGrid, SnappedEdgesAreOnTheGridAndNear) {
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
