#include <gtest/gtest.h>

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

TEST(ScanCycle, AShrunkOrEmptyListIsNeverIndexedPastItsEnd) {
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
