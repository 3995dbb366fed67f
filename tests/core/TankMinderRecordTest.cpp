#include <gtest/gtest.h>

#include <cmath>

#include "RecordBytes.h"

using namespace rovik;
using namespace rovik::test;

TEST(TankMinderRecord, HoldsItsFlagThenItsSizeAndASizeThatIsNoNumberOfGallonsKeepsTheNewTanks) {
    TankMinderRecord tank = SampleTankMinder();
    tank.showFuelRemaining = true;
    const Bytes bytes = Written(tank);
    ASSERT_EQ(bytes.size(), 1u + 20u + 32u + 8u + 1u + 18u);
    EXPECT_EQ(bytes[0], 'A');
    EXPECT_EQ(Bytes(bytes.begin() + 21, bytes.begin() + 29), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
    for (double size : {std::nan(""), -5.0, 0.0, HUGE_VAL}) {
        tank.tankSize = size;
        const TankMinderRecord read = ReadBack<TankMinderRecord>(Written(tank)).first;
        EXPECT_EQ(read.tankSize, TankMinderRecord::kNewTankSize) << size;
        EXPECT_EQ(read.tankFilePath, tank.tankFilePath);
    }
}
