#include <gtest/gtest.h>
#include <unistd.h>

#include "core/link/LinkReader.h"

using namespace rovik;

namespace {
std::string UniqueBlock() {
    return "/RovikTest-" + std::to_string(::getpid());
}
}  // namespace

TEST(ValueStore, PreferredSlotThenFallbacks) {
    LinkReader link(UniqueBlock());
    link.StoreValue(kEngineSlot, 177, 150.0f);
    link.StoreValue(kTransmissionSlot, 177, 180.0f);
    EXPECT_EQ(link.GetValue(177), 180.0);
    link.StoreValue(kTransmissionSlot, 100, 42.0f);
    EXPECT_EQ(link.GetValue(100), 42.0);
    EXPECT_EQ(link.GetValue(101), 0.0);
    EXPECT_EQ(link.GetUpdateCount(101), 0u);
    link.StoreValue(kBrakesSlot, 49, 7.0f);
    link.StoreValue(kEngineSlot, 49, 9.0f);
    EXPECT_EQ(link.GetValue(49), 7.0);
}

TEST(ValueStore, PageTwoAndOutOfRangeNumbers) {
    LinkReader link(UniqueBlock());
    link.StoreValue(kPageTwoSlot, 44, 3.5f);
    EXPECT_EQ(link.GetValue(300), 3.5);
    EXPECT_EQ(link.GetUpdateCount(300), 1u);
    EXPECT_EQ(link.GetValue(44), 0.0);
    EXPECT_EQ(link.GetValue(600), 0.0);
    EXPECT_EQ(link.GetUpdateCount(600), 0u);
}

TEST(ValueStore, RedirectedAndDerivedNumbersReadTheirBaseEntries) {
    LinkReader link(UniqueBlock());
    link.StoreValue(kBrakesSlot, 84, 61.0f);
    link.StoreValue(kEngineSlot, 84, 55.0f);
    const std::uint8_t raw[] = {122};
    link.Store().StoreRawBytes(kBrakesSlot, 84, raw, 1);
    EXPECT_EQ(link.GetValue(7), 61.0);
    EXPECT_EQ(link.GetRawBytes(7)[0], 122);
    link.StoreValue(kEngineSlot, 84, 56.0f);
    EXPECT_EQ(link.GetUpdateCount(508), 2u);
    EXPECT_EQ(link.GetUpdateCount(504), 0u);
}

TEST(ValueStore, ValuesAgeOutAfterFifteenSweepsExceptLastingIndexes) {
    LinkReader link(UniqueBlock());
    link.StoreValue(kEngineSlot, 110, 190.0f);
    link.StoreValue(kEngineSlot, 245, 12345.0f);
    link.StoreValue(kPageTwoSlot, 10, 4.0f);
    for (int sweep = 0; sweep < 14; ++sweep) {
        link.AgeValues();
    }
    EXPECT_EQ(link.GetValue(110), 190.0);
    link.AgeValues();
    EXPECT_EQ(link.GetValue(110), 0.0);
    EXPECT_EQ(link.GetUpdateCount(110), 0u);
    EXPECT_EQ(link.GetValue(266), 0.0);
    for (int sweep = 0; sweep < 100; ++sweep) {
        link.AgeValues();
    }
    EXPECT_EQ(link.GetValue(245), 12345.0);
}

TEST(ValueStore, AStoreRestartsTheAgeing) {
    LinkReader link(UniqueBlock());
    link.StoreValue(kEngineSlot, 84, 50.0f);
    for (int sweep = 0; sweep < 10; ++sweep) {
        link.AgeValues();
    }
    link.StoreValue(kEngineSlot, 84, 51.0f);
    for (int sweep = 0; sweep < 14; ++sweep) {
        link.AgeValues();
    }
    EXPECT_EQ(link.GetValue(84), 51.0);
}
