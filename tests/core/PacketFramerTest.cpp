#include <gtest/gtest.h>

#include <cstdio>

#include "support/FramedLink.h"

using namespace rovik;
using namespace rovik::test;

namespace {
constexpr auto kBinary = ConnectionType::Vx100Serial;
constexpr auto kText = ConnectionType::Vx101Usb;

std::string Text(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// A message with its checksum and the four end marks, as the RS-232 box sends it.
std::string Frame(const Bytes& message) {
    return Text(WithChecksum(message)) + "\xFF\xFF\xFF\xFF";
}

std::string JLine(const Bytes& message) {
    return "J" + Hex(WithChecksum(message)) + "\r\n";
}

// The message with its checksum off by one.
Bytes Spoiled(const Bytes& message) {
    Bytes spoiled = WithChecksum(message);
    spoiled.back() ^= 1;
    return spoiled;
}

// A lone byte that hands on the frame before it and is too short to be a message itself.
const std::string kNext = Frame({});
const Bytes kSpeed55 = {128, 84, 110};
const Bytes kSpeed60 = {128, 84, 120};

// What a stream, fed in two reads split where given, leaves in one entry of the value store.
struct Case {
    const char* what;
    ConnectionType type;
    std::string stream;
    std::size_t splitAt;
    int slot;
    unsigned pid;
    std::uint32_t count;
    float value;
    bool overrun = false;
};

const std::string kFrame55 = Frame(kSpeed55);

const Case kCases[] = {
    {"end marks before the first frame are skipped; the next byte hands the frame on", kBinary,
     "\xFF\xFF" + kFrame55 + "\x80\x54\x78", 0, kEngineSlot, 84, 1, 55.0f},
    {"three 0xFF data bytes stay in the message", kBinary,
     Frame({128, 245, 4, 0xFF, 0xFF, 0xFF, 0x00}) + kNext, 0, kEngineSlot, 245, 1, 1677721.5f},
    {"a fifth 0xFF is taken into the message, whose checksum then fails", kBinary,
     Frame({128, 84, 100}) + "\xFF" + kNext, 0, kEngineSlot, 84, 0, 0.0f},
    {"a bad checksum", kBinary, Text(Spoiled(kSpeed55)) + "\xFF\xFF\xFF\xFF" + kNext, 0,
     kEngineSlot, 84, 0, 0.0f},
    {"a MID the program does not read", kBinary, Frame({140, 84, 110}) + kNext, 0, kEngineSlot, 84,
     0, 0.0f},
    {"a frame that fills the buffer overruns; the one after the rest of it is read", kBinary,
     std::string(300, '\x11') + kFrame55 + Frame(kSpeed60) + kNext, 300, kEngineSlot, 84, 1, 60.0f,
     true},
    {"a text line reads like a frame, in pieces too", kText, JLine(kSpeed55), 4, kEngineSlot, 84, 1,
     55.0f},
    {"a text line with a bad checksum", kText, "J" + Hex(Spoiled(kSpeed60)) + "\r\n", 0,
     kEngineSlot, 84, 0, 0.0f},
    {"control characters are dropped", kText, "\x01J" + Hex(WithChecksum(kSpeed60)) + "\t\r\n", 0,
     kEngineSlot, 84, 1, 60.0f},
    {"a line too long overruns; the next ones are read", kText,
     std::string(256, 'A') + JLine(kSpeed55), 256, kEngineSlot, 84, 1, 55.0f, true},
    {"odd lines do no harm", kText,
     "J\r\nJ1\r\nJzz\r\nZ1234\r\nI\r\nJS\r\n\r\nR1\r\njff\r\n" + JLine(kSpeed60), 0, kEngineSlot,
     84, 1, 60.0f},
    {"a short J1939 line", kText, "R0000FEEE64\r\n", 0, kEngineSlot, 110, 1, 140.0f},
    {"missing J1939 bytes read as not available", kText, "R0000FEEE64\r\n", 0, kEngineSlot, 175, 0,
     0.0f},
    {"26 characters are not a J1939 line", kText, "R0000FEEE32FFFFFFFFFFFFFF0\r\nR00\r\n", 0,
     kEngineSlot, 110, 0, 0.0f},
};

class Framing : public testing::TestWithParam<Case> {};
}  // namespace

TEST_P(Framing, LeavesTheValueTheStreamCarries) {
    const Case& c = GetParam();
    SCOPED_TRACE(c.what);
    FramedLink framed(c.type);
    bool overrun = framed.Feed(c.stream.substr(0, c.splitAt));
    overrun |= framed.Feed(c.stream.substr(c.splitAt));
    EXPECT_EQ(overrun, c.overrun);
    EXPECT_EQ(framed.Count(c.slot, c.pid), c.count);
    EXPECT_FLOAT_EQ(framed.Value(c.slot, c.pid), c.value);
}

INSTANTIATE_TEST_SUITE_P(Streams, Framing, testing::ValuesIn(kCases));

namespace {
// A "JS" line with the fields at the positions the box uses.
std::string J1708Statistics(unsigned good, unsigned errors) {
    char line[64];
    std::snprintf(line, sizeof line, "JS G=  05 %04X %04X %04X %04X", 0x1234, 0x0042, good, errors);
    return line;
}
}  // namespace

TEST(TextFraming, J1708StatisticsSuppressAJ1708LinkFullOfErrors) {
    FramedLink framed(kText);
    framed.FeedLine(J1708Statistics(100, 10));
    EXPECT_EQ(framed.parts.box.Statistics().j1708BytesDiscarded, 0x42u);
    EXPECT_EQ(framed.parts.box.Statistics().j1708Errors, 10u);
    // Ratio 4 with no J1939 traffic reported: nothing to blame the errors on.
    framed.FeedLine(J1708Statistics(140, 20));
    EXPECT_FALSE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine("I040000000000");
    framed.FeedLine(J1708Statistics(180, 30));
    EXPECT_TRUE(framed.parts.box.IsJ1708Suppressed());
    framed.Feed(JLine(kSpeed55));
    EXPECT_EQ(framed.Count(kEngineSlot, 84), 0u);
    // Ratios from 5 to 10 keep the flag as it is; above 10 clear it.
    framed.FeedLine(J1708Statistics(230, 35));
    EXPECT_TRUE(framed.parts.box.IsJ1708Suppressed());
    framed.FeedLine(J1708Statistics(340, 45));
    EXPECT_FALSE(framed.parts.box.IsJ1708Suppressed());
    framed.Feed(JLine(kSpeed55));
    EXPECT_EQ(framed.Value(kEngineSlot, 84), 55.0f);
}

TEST(TextFraming, RegisterRepliesOnlyWithinTheImageAndWithTheirMark) {
    FramedLink framed(ConnectionType::Vx150Wifi);
    framed.FeedLine("!R       F    00061E");
    framed.FeedLine("!R       F    080055");
    framed.FeedLine("!R       X    000155");
    framed.FeedLine("!R       F    0001");
    EXPECT_EQ(framed.parts.box.Registers().Get(6), 0x1E);
    EXPECT_EQ(framed.parts.box.Registers().Get(1), 0);
}

namespace {
struct J1587 : ::testing::Test {
    float Value(int slot, unsigned pid) const { return framed.Value(slot, pid); }
    std::uint32_t Count(int slot, unsigned pid) const { return framed.Count(slot, pid); }

    FramedLink framed{ConnectionType::Vx100Serial};
};
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
