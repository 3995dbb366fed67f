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
// The decoders behind the framing of one kind of box.
template <ConnectionType kType>
struct Decoding : ::testing::Test {
    // Sends one "R" line from the source with the given PGN and data.
    void Send(int source, std::uint32_t pgn, const Bytes& data) {
        char header[16];
        std::snprintf(header, sizeof header, "R%02X%06X", source, pgn);
        framed.FeedLine(header + Hex(data));
    }
    float Value(int slot, unsigned pid) const { return framed.Value(slot, pid); }
    std::uint32_t Count(int slot, unsigned pid) const { return framed.Count(slot, pid); }
    std::uint8_t Raw(int slot, unsigned pid) const { return framed.Raw(slot, pid); }
    const std::vector<RecordedFaults::Fault>& Faults() const { return framed.Faults(); }

    FramedLink framed{kType};
};
using J1587 = Decoding<ConnectionType::Vx100Serial>;
using J1939 = Decoding<ConnectionType::Vx101Usb>;

constexpr std::uint8_t NA = 0xFF;
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
    Send(0, 65248, {NA, NA, NA, NA, 0x80, 0x96, 0x98, 0xFE});
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
    Send(0, 65265, {NA, NA, NA, 0xFF, 0x55});
    EXPECT_EQ(Value(kEngineSlot, 85), 31.0f);
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
    Send(3, 61445, {NA, NA, NA, 200});
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
