#include <gtest/gtest.h>
#include <unistd.h>

#include "core/link/LiveValues.h"
#include "core/values/PreferredSourceTable.h"

using namespace rovik;

namespace {
struct LiveValuesTest : ::testing::Test {
    void Store(int slot, unsigned pid, float value) { values.Store().StoreValue(slot, pid, value); }
    void Age(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            values.Age();
        }
    }
    LiveValues values{"/RovikTest-" + std::to_string(::getpid())};
};
}  // namespace

TEST_F(LiveValuesTest, PreferredSlotThenFallbacksThenPageTwo) {
    Store(kEngineSlot, 177, 150.0f);
    Store(kTransmissionSlot, 177, 180.0f);
    EXPECT_EQ(values.GetValue(177), 180.0);
    Store(kTransmissionSlot, 100, 42.0f);
    EXPECT_EQ(values.GetValue(100), 42.0);
    Store(kBrakesSlot, 49, 7.0f);
    Store(kEngineSlot, 49, 9.0f);
    EXPECT_EQ(values.GetValue(49), 7.0);
    Store(kPageTwoSlot, 44, 3.5f);
    EXPECT_EQ(values.GetValue(300), 3.5);
    EXPECT_EQ(values.GetUpdateCount(300), 1u);
    EXPECT_EQ(values.GetValue(44), 0.0);
    for (unsigned absent : {101u, 600u}) {
        EXPECT_EQ(values.GetValue(absent), 0.0);
        EXPECT_EQ(values.GetUpdateCount(absent), 0u);
    }
}

TEST_F(LiveValuesTest, RedirectedAndDerivedNumbersReadTheirBaseEntries) {
    Store(kBrakesSlot, 84, 61.0f);
    Store(kEngineSlot, 84, 55.0f);
    const std::uint8_t raw[] = {122};
    values.Store().StoreRawBytes(kBrakesSlot, 84, raw, 1);
    EXPECT_EQ(values.GetValue(7), 61.0);
    EXPECT_EQ(values.GetRawBytes(7)[0], 122);
    Store(kEngineSlot, 84, 56.0f);
    EXPECT_EQ(values.GetUpdateCount(508), 2u);
    EXPECT_EQ(values.GetUpdateCount(504), 0u);
}

TEST_F(LiveValuesTest, ValuesAgeOutAfterFifteenSweepsExceptLastingIndexes) {
    Store(kEngineSlot, 110, 190.0f);
    Store(kEngineSlot, 245, 12345.0f);
    Store(kPageTwoSlot, 10, 4.0f);
    Store(kEngineSlot, 84, 50.0f);
    Age(10);
    Store(kEngineSlot, 84, 51.0f);
    Age(4);
    EXPECT_EQ(values.GetValue(110), 190.0);
    Age(1);
    EXPECT_EQ(values.GetValue(110), 0.0);
    EXPECT_EQ(values.GetUpdateCount(110), 0u);
    EXPECT_EQ(values.GetValue(266), 0.0);
    // A store restarts the ageing.
    EXPECT_EQ(values.GetValue(84), 51.0);
    Age(100);
    EXPECT_EQ(values.GetValue(245), 12345.0);
}
