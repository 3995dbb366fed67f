#include <gtest/gtest.h>

#include "Framing.h"

using namespace rovik;
using namespace rovik::test;

namespace {
using J1939 = Decoding<ConnectionType::Vx101Usb>;

constexpr std::uint8_t NA = 0xFF;
}  // namespace

// Every group the emulator sends, from each controller, is read in the emulator's tests.
TEST_F(J1939, ErrorFieldsStoreZeroAndMissingFieldsStoreNothing) {
    Send(0, 65262, {100});
    EXPECT_EQ(Value(kEngineSlot, 110), 140.0f);
    Send(0, 65262, {0xFE});
    EXPECT_EQ(Value(kEngineSlot, 110), 0.0f);
    Send(0, 65262, {0xFF});
    EXPECT_EQ(Count(kEngineSlot, 110), 2u);
    EXPECT_EQ(Count(kEngineSlot, 174), 0u);
    // A 16-bit field in its error range.
    Send(0, 65271, {NA, NA, NA, NA, 0x18, 0x01, 0xFB, 0xFF});
    EXPECT_EQ(Value(kEngineSlot, 158), 0.0f);
    EXPECT_EQ(Count(kEngineSlot, 158), 1u);
}

TEST_F(J1939, TotalsOnlyGrowAndStayBelievable) {
    Send(0, 65253, {0xD0, 0x07, 0, 0});
    EXPECT_EQ(Value(kEngineSlot, 247), 100.0f);
    Send(0, 65253, {0xBC, 0x07, 0, 0});
    EXPECT_EQ(Value(kEngineSlot, 247), 100.0f);
    // 1,200,000 hours is no reading; 60,000 hours is a long life.
    Send(0, 65253, {0x00, 0x36, 0x6E, 0x01});
    EXPECT_EQ(Value(kEngineSlot, 247), 100.0f);
    EXPECT_EQ(Count(kEngineSlot, 247), 1u);
    Send(0, 65253, {0x80, 0x4F, 0x12, 0});
    EXPECT_EQ(Value(kEngineSlot, 247), 60000.0f);
    // The low-resolution distance follows the same rule, in 125 m steps.
    Send(0, 65248, {NA, NA, NA, NA, 0x80, 0x96, 0x98, 0x00});
    EXPECT_FLOAT_EQ(Value(kEngineSlot, 245), 10000000 * 0.0776714f);
    // 300,000 gallons, past what an older limit took.
    Send(0, 65257, {NA, NA, NA, NA, 0x5C, 0x40, 0x23, 0x00});
    EXPECT_FLOAT_EQ(Value(kEngineSlot, 250), 2310236 * 0.13208602f);
}

TEST_F(J1939, CruiseStatusBitsFollowTheirFields) {
    Send(0, 65265, {NA, 0x00, 0x32, 0x01, 0xFF, 100});
    EXPECT_EQ(Value(kEngineSlot, 85), 128.0f);
    EXPECT_FLOAT_EQ(Value(kEngineSlot, 86), 62.15f);
    // Enable on, active reports an error, brake not available: bit 7 clears, bit 0 sets.
    Send(0, 65265, {NA, NA, NA, 0x36, 0xFF});
    EXPECT_EQ(Value(kEngineSlot, 85), 1.0f);
}

TEST_F(J1939, Transmission2FillsTheRangeItems) {
    Send(3, 61445, {NA, NA, NA, 128, 'D', 16});
    EXPECT_EQ(Value(kTransmissionSlot, 13), 1.0f);
    Send(3, 61445, {NA, NA, NA, 124, 0xFF, 0});
    EXPECT_EQ(Raw(kTransmissionSlot, 163), 'R');
    EXPECT_EQ(Count(kTransmissionSlot, 162), 1u);
    EXPECT_EQ(Count(kTransmissionSlot, 13), 1u);
    Send(3, 61445, {NA, NA, NA, 251});
    EXPECT_EQ(Raw(kTransmissionSlot, 163), 'P');
    EXPECT_EQ(Count(kTransmissionSlot, 163), 3u);
}

// The SPN follows the code's conversion method; the sender's address comes with it.
TEST_F(J1939, SingleFrameFaultsReadEachLayout) {
    Send(0, 65226, {0, 0, 0x6E, 0x00, 0x03, 0x01});
    Send(3, 65226, {0, 0, 0x87, 0x0E, 0x04, 0x02});
    Send(49, 65226, {0, 0, 0x0C, 0xF0, 0xE9, 0x01});
    Send(11, 65226, {0, 0, 0x00, 0x04, 0x02, 0x03});
    Send(0, 65226, {0, 0, 0x00, 0x0D, 0xC3, 0x81});
    Send(0, 65226, {0, 0, 0, 0, 0, 0});
    Send(0, 65226, {0, 0, NA, NA, NA, NA});
    const std::vector<RecordedFaults::Fault> expected = {
        {0, 110, 3, 1, true},   {3, 3719, 4, 2, true},   {49, 520204, 9, 1, true},
        {11, 1024, 2, 3, true}, {0, 110, 3, 0x81, true},
    };
    EXPECT_EQ(Faults(), expected);
}

// Two controllers broadcast their fault lists at once; each list ends in padding.
TEST_F(J1939, InterleavedTransfersGiveEachSenderItsOwnCodes) {
    // The engine: lamps, then SPN 110 FMI 3, SPN 3719 FMI 4, SPN 100 FMI 1.
    Send(0, 60416, {32, 14, 0, 2, NA, 0xCA, 0xFE, 0x00});
    Send(0, 60160, {1, 0x04, 0xFF, 0x6E, 0x00, 0x03, 0x01, 0x87});
    // The transmission: lamps, then SPN 524 FMI 2, and padding inside its size.
    Send(3, 60416, {32, 10, 0, 2, NA, 0xCA, 0xFE, 0x00});
    Send(3, 60160, {1, 0x00, 0xFF, 0x0C, 0x02, 0x02, 0x01, 0xFF});
    // Packets of a sender with no transfer, and an answer that announces nothing.
    Send(11, 60160, {2, 0x6E, 0x00, 0x03, 0x01, NA, NA, NA});
    Send(3, 60416, {17, 2, 1, NA, NA, 0xCA, 0xFE, 0x00});
    Send(0, 60160, {2, 0x0E, 0x04, 0x02, 0x64, 0x00, 0x01, 0x05});
    Send(3, 60160, {2, 0xFF, 0xFF, NA, NA, NA, NA, NA});
    const std::vector<RecordedFaults::Fault> expected = {
        {0, 110, 3, 1, true}, {0, 3719, 4, 2, true}, {0, 100, 1, 5, true}, {3, 524, 2, 1, true}};
    EXPECT_EQ(Faults(), expected);
    // A packet after the end belongs to no reassembly.
    Send(0, 60160, {1, 0x04, 0xFF, 0x6E, 0x00, 0x03, 0x01, 0x87});
    EXPECT_EQ(Faults().size(), 4u);
}

TEST_F(J1939, TransportNumbersOutOfRangeAreHarmless) {
    // An announcement of more packets than a reassembly holds is refused.
    Send(0, 60416, {32, 0xFF, 0xFF, 251, NA, 0xCA, 0xFE, 0x00});
    Send(0, 60160, {1, 0x6E, 0x00, 0x03, 0x01, NA, NA, NA});
    EXPECT_TRUE(Faults().empty());
    // Sequence numbers 0 and 251 count but copy nothing; a size beyond the buffer is cut.
    Send(0, 60416, {32, 0xFF, 0xFF, 3, NA, 0xCA, 0xFE, 0x00});
    Send(0, 60160, {0, 1, 2, 3, 4, 5, 6, 7});
    Send(0, 60160, {251, 1, 2, 3, 4, 5, 6, 7});
    Send(0, 60160, {1, 0xFF, 0xFF, 0x6E, 0x00, 0x03, 0x01, 0xFF});
    ASSERT_EQ(Faults().size(), 1u);
    EXPECT_EQ(Faults()[0], RecordedFaults::Fault(0, 110, 3, 1, true));
}
