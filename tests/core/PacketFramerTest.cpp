#include <gtest/gtest.h>

#include "Framing.h"

using namespace rovik;
using namespace rovik::test;

namespace {
constexpr auto kBinary = ConnectionType::Vx100Serial;

std::string Text(const Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

// A message with its checksum and the four end marks, as the RS-232 box sends it.
std::string Frame(const Bytes& message) {
    return Text(WithChecksum(message)) + "\xFF\xFF\xFF\xFF";
}

// The message with its checksum off by one.
Bytes Spoiled(const Bytes& message) {
    Bytes spoiled = WithChecksum(message);
    spoiled.back() ^= 1;
    return spoiled;
}

// A lone byte that hands on the frame before it and is too short to be a message itself.
const std::string kNext = Frame({});
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
