#include <gtest/gtest.h>

#include <cmath>

#include "FileFormats.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

using namespace rovik;
using namespace rovik::test;

TEST(TankMinderRecord, HoldsShowFuelRemainingFirstThenItsDoubleAndShortString) {
    TankMinderRecord tank = SampleTankMinder();
    tank.showFuelRemaining = true;
    ByteWriter writer;
    tank.Write(writer);
    const Bytes& bytes = writer.Bytes();
    ASSERT_EQ(bytes.size(), 1u + 20u + 32u + 8u + 1u + 18u);
    EXPECT_EQ(bytes[0], 'A');
    EXPECT_EQ(Bytes(bytes.begin() + 21, bytes.begin() + 29), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(TankMinderRecord, ASizeThatIsNoNumberOfGallonsKeepsTheNewTanks) {
    for (double size : {std::nan(""), -5.0, 0.0, HUGE_VAL}) {
        TankMinderRecord tank = SampleTankMinder();
        tank.tankSize = size;
        ByteWriter writer;
        tank.Write(writer);
        ByteReader reader(writer.Bytes());
        reader.Skip(1);
        TankMinderRecord read;
        EXPECT_TRUE(read.Read(reader));
        EXPECT_EQ(read.tankSize, TankMinderRecord::kNewTankSize);
        EXPECT_EQ(read.tankFilePath, tank.tankFilePath);
    }
}
