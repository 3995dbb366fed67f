#include <gtest/gtest.h>

#include "core/panels/DwellSlider.h"

using namespace rovik;

TEST(DwellSlider, DwellsAndPositionsOutOfRangeStayOnTheSlider) {
    const std::pair<std::uint32_t, int> between[] = {{0, 1}, {7, 3}, {4000000000u, 8}};
    for (auto [dwell, position] : between) {
        EXPECT_EQ(DwellSlider::PositionFor(dwell), position) << dwell;
    }
    EXPECT_EQ(DwellSlider::DwellAt(0), 1u);
    EXPECT_EQ(DwellSlider::DwellAt(9), 36u);
}
