#include <gtest/gtest.h>

#include "core/panels/DwellSlider.h"

using namespace rovik;

TEST(DwellSlider, PositionsAndDwellsConvertBothWaysAndStayOnTheSlider) {
    const std::uint32_t dwells[] = {1, 3, 6, 10, 15, 21, 28, 36};
    for (int position = 1; position <= 8; ++position) {
        EXPECT_EQ(DwellSlider::DwellAt(position), dwells[position - 1]);
        EXPECT_EQ(DwellSlider::PositionFor(dwells[position - 1]), position);
    }
    const std::pair<std::uint32_t, int> between[] = {{0, 1}, {7, 3}, {4000000000u, 8}};
    for (auto [dwell, position] : between) {
        EXPECT_EQ(DwellSlider::PositionFor(dwell), position) << dwell;
    }
    EXPECT_EQ(DwellSlider::DwellAt(0), 1u);
    EXPECT_EQ(DwellSlider::DwellAt(9), 36u);
}
