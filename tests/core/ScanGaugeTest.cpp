#include <gtest/gtest.h>

#include "core/panels/DwellSlider.h"
#include "core/panels/ScanCycle.h"
#include "core/panels/ScanGaugeRecord.h"

using namespace rovik;

TEST(ScanCycle, EachPidIsShownForDwellTicks) {
    ScanGaugeRecord gauge;
    gauge.scanList = {84, 110, 190};
    ScanCycle cycle;
    std::vector<int> switchTicks;
    std::vector<std::uint16_t> shown;
    for (int tick = 1; tick <= 18; ++tick) {
        if (cycle.Tick(gauge)) {
            switchTicks.push_back(tick);
        }
        shown.push_back(gauge.pid);
    }
    EXPECT_EQ(switchTicks, (std::vector<int>{6, 12, 18}));
    EXPECT_EQ(shown[4], 84);
    EXPECT_EQ(shown[5], 110);
    EXPECT_EQ(shown[11], 190);
    EXPECT_EQ(shown[17], 84);
    EXPECT_EQ(cycle.ScanIndex(), 0u);
    EXPECT_EQ(cycle.TickCounter(), 0u);
}

TEST(ScanCycle, ShrunkOrEmptyListNeverIndexesPastTheEnd) {
    ScanGaugeRecord gauge;
    gauge.dwell = 1;
    gauge.scanList = {1, 2, 3, 4};
    ScanCycle cycle;
    cycle.Tick(gauge);
    cycle.Tick(gauge);
    ASSERT_EQ(cycle.ScanIndex(), 2u);
    gauge.scanList = {7, 8};
    EXPECT_TRUE(cycle.Tick(gauge));
    EXPECT_EQ(gauge.pid, 7);
    gauge.scanList.clear();
    EXPECT_TRUE(cycle.Tick(gauge));
    EXPECT_EQ(gauge.pid, 7);
}

TEST(DwellSlider, PositionsAndDwellsConvertBothWays) {
    const std::uint32_t dwells[] = {1, 3, 6, 10, 15, 21, 28, 36};
    for (int position = 1; position <= 8; ++position) {
        std::uint32_t dwell = dwells[position - 1];
        EXPECT_EQ(DwellSlider::DwellAt(position), dwell);
        EXPECT_EQ(DwellSlider::PositionFor(dwell), position);
    }
    EXPECT_EQ(DwellSlider::PositionFor(0), 1);
    EXPECT_EQ(DwellSlider::PositionFor(7), 3);
    EXPECT_EQ(DwellSlider::PositionFor(4000000000u), 8);
    EXPECT_EQ(DwellSlider::DwellAt(0), 1u);
    EXPECT_EQ(DwellSlider::DwellAt(9), 36u);
}

TEST(ScanGaugeRecord, ChosenPidsAreCutToNinetyNineAndNeverEmpty) {
    ScanGaugeRecord gauge;
    gauge.SetScanList({});
    EXPECT_EQ(gauge.scanList, std::vector<std::uint16_t>{0});
    std::vector<std::uint16_t> many(150);
    for (std::size_t i = 0; i < many.size(); ++i) {
        many[i] = static_cast<std::uint16_t>(i);
    }
    gauge.SetScanList(many);
    ASSERT_EQ(gauge.scanList.size(), 99u);
    EXPECT_EQ(gauge.scanList.back(), 98);
}
