#include <gtest/gtest.h>

#include "Framing.h"

using namespace rovik;
using namespace rovik::test;

namespace {
using J1587 = Decoding<ConnectionType::Vx100Serial>;
}  // namespace

// Items of every width and each controller's slot are read in the emulator's tests.
TEST_F(J1587, PageTwoItemsUseTheirOwnTable) {
    framed.FeedFrame({128, 255, 155, 0x80, 0x00, 98, 10});
    EXPECT_EQ(Value(kPageTwoSlot, 155), 1.0f);
    EXPECT_EQ(framed.parts.values.GetValue(411), 1.0);
    EXPECT_FLOAT_EQ(Value(kPageTwoSlot, 98), 4.0f);
    EXPECT_EQ(Count(kEngineSlot, 155), 0u);
    EXPECT_EQ(Count(kEngineSlot, 98), 0u);
}

TEST_F(J1587, TotalFuelOfAHighMileageTruckIsTakenButNotABelievableOne) {
    framed.FeedFrame({128, 250, 4, 0x00, 0x12, 0x7A, 0x00});
    EXPECT_EQ(Value(kEngineSlot, 250), 1000000.0f);
    framed.FeedFrame({128, 250, 4, 0x00, 0xB4, 0xC4, 0x04});
    EXPECT_EQ(Value(kEngineSlot, 250), 1000000.0f);
    EXPECT_EQ(Count(kEngineSlot, 250), 1u);
}

// Items defined as two's complement numbers read below zero; the others stay unsigned.
TEST_F(J1587, SignedItemsAreSignExtended) {
    framed.FeedFrame({128, 171, 0xF0, 0xFF, 114, 0xFE, 190, 0xFF, 0xFF, 84, 0xFE});
    EXPECT_EQ(Value(kEngineSlot, 171), -4.0f);
    EXPECT_FLOAT_EQ(Value(kEngineSlot, 114), -2.4f);
    EXPECT_EQ(Value(kEngineSlot, 190), 16383.75f);
    EXPECT_EQ(Value(kEngineSlot, 84), 127.0f);
    framed.FeedFrame({128, 255, 148, 0x00, 0xFF, 155, 0x00, 0xFF});
    EXPECT_EQ(Value(kPageTwoSlot, 148), -64.0f);
    EXPECT_EQ(Value(kPageTwoSlot, 155), 0xFF00 / 128.0f);
}

TEST_F(J1587, SelectedRangeGivesTheTransmissionMode) {
    framed.FeedFrame({130, 162, 'D', 16});
    EXPECT_EQ(Value(kTransmissionSlot, 13), 1.0f);
    EXPECT_EQ(Count(kTransmissionSlot, 162), 1u);
    framed.FeedFrame({130, 162, 'D', 31});
    EXPECT_EQ(Value(kTransmissionSlot, 13), 2.0f);
    framed.FeedFrame({130, 162, 'D', 68});
    EXPECT_EQ(Value(kTransmissionSlot, 13), 0.0f);
    EXPECT_EQ(Count(kTransmissionSlot, 13), 3u);
    // The same index on page two is another parameter.
    framed.FeedFrame({130, 255, 162, 'D', 16});
    EXPECT_EQ(Count(kPageTwoSlot, 13), 0u);
}

TEST_F(J1587, ItemsThatRunIntoTheChecksumEndTheWalk) {
    // The count of 20 runs far past this 8-byte message; the item before it stays.
    framed.FeedFrame({128, 84, 110, 245, 20, 1, 2});
    EXPECT_EQ(Value(kEngineSlot, 84), 55.0f);
    EXPECT_EQ(Count(kEngineSlot, 245), 0u);
    framed.FeedFrame({128, 110, 150, 190, 0x40});
    EXPECT_EQ(Value(kEngineSlot, 110), 150.0f);
    EXPECT_EQ(Count(kEngineSlot, 190), 0u);
    framed.FeedFrame({128, 92, 40, 254, 100, 80});
    EXPECT_EQ(Count(kEngineSlot, 100), 0u);
    framed.FeedFrame({140, 84, 110});
    framed.FeedFrame({128});
    framed.FeedFrame({128, 255});
    EXPECT_EQ(Count(kEngineSlot, 84), 1u);
}

TEST_F(J1587, LongItemsKeepOnlyTheRawBytesAnEntryHolds) {
    Bytes message = {128, 233, 40};
    for (int i = 0; i < 40; ++i) {
        message.push_back(static_cast<std::uint8_t>(0xA0 + i));
    }
    framed.FeedFrame(message);
    EXPECT_EQ(Count(kEngineSlot, 233), 1u);
    EXPECT_EQ(framed.Raw(kEngineSlot, 233, 29), 0xA0 + 29);
    EXPECT_EQ(framed.Raw(kEngineSlot, 234), 0);
}

TEST_F(J1587, DiagnosticItemsGoToTheFaultCollectorFromWithinTheMessageOnly) {
    framed.FeedFrame({128, 84, 110, 194, 5, 110, 0x03, 1, 0xB5, 5});
    EXPECT_EQ(Count(kEngineSlot, 194), 1u);
    // Not on page two.
    framed.FeedFrame({128, 255, 194, 2, 110, 0x03});
    // A count beyond the message, a last code without the occurrence count it announces, and
    // items cut off after their number or their count.
    framed.FeedFrame({128, 194, 40, 100, 0x23, 100, 0xA1});
    framed.FeedFrame({128, 194});
    framed.FeedFrame({128, 194, 40});
    framed.FeedFrame({128, 194, 1, 100});
    using Fault = RecordedFaults::Fault;
    const std::vector<Fault> expected = {
        {128, 110, 0x03, 0, false}, {128, 1, 0xB5, 5, false}, {128, 100, 0x23, 0, false}};
    EXPECT_EQ(framed.Faults(), expected);
}
