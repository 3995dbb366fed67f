#include <gtest/gtest.h>

#include "core/panels/ScanCycle.h"
#include "core/panels/ScanGaugeRecord.h"

using namespace rovik;

TEST(ScanCycle, EachPidIsShownForDwellTicksAndAShrunkListIsNeverIndexedPastItsEnd) {
    ScanGaugeRecord gauge;
    gauge.scanList = {84, 110, 190};
    ScanCycle cycle;
    for (int tick = 1; tick <= 18; ++tick) {
        EXPECT_EQ(cycle.Tick(gauge), tick % 6 == 0) << tick;
        EXPECT_EQ(gauge.pid, gauge.scanList[tick / 6 % 3]) << tick;
    }

    gauge.dwell = 1;
    gauge.scanList = {1, 2, 3, 4};
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
